#include "gui/dialogs/event_entry_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/stability/event_entry.h"

namespace varden {

namespace {

// Hands the field's text to the model whenever the field loses the focus.
class FocusLossToModel : public QObject {
  public:
    FocusLossToModel(QPlainTextEdit& field, CEventEntry& model)
        : QObject(&field), field_(field), model_(model) {}

    void Deliver() {
        model_.OnDescriptionFocusLost(field_.toPlainText().toLocal8Bit().toStdString());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &field_ && event->type() == QEvent::FocusOut) {
            Deliver();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPlainTextEdit& field_;
    CEventEntry& model_;
};

}  // namespace

DialogResult RunEventEntryDialog(CEventEntry& model, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Event Entry"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("Event Description:"), &dialog);
    auto* field = new QPlainTextEdit(&dialog);
    field->setObjectName(QStringLiteral("description"));
    field->setPlainText(QString::fromLocal8Bit(model.m_description));
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);

    auto* toModel = new FocusLossToModel(*field, model);
    field->installEventFilter(toModel);
    // OK can be chosen without the field losing the focus first (a shortcut, a press of the
    // default button by keyboard); the text typed is taken all the same.
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, toModel] {
        toModel->Deliver();
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    field->setFocus();
    return dialog.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
