#include "gui/dialogs/data_cap_entry_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/snapshot/data_cap_entry.h"
#include "gui/dialogs/crlf_text.h"

namespace varden {

namespace {

// The list editor: one multi-line box in which Enter starts a new line. The box's text goes
// to the model whenever the box loses the focus, and once more on OK for a box that still
// holds it.
class DataCapEntryView : public QDialog {
  public:
    DataCapEntryView(CDataCapEntry& model, QWidget* parent) : QDialog(parent), model_(model) {
        setWindowTitle(model.m_caption.empty() ? QStringLiteral("Enter Filter Cubes")
                                               : QString::fromLocal8Bit(model.m_caption));
        box_ = new QPlainTextEdit(this);
        box_->setObjectName(QStringLiteral("listBox"));
        box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box_->setTabChangesFocus(true);
        box_->setPlainText(ToBoxText(model.m_listText));
        box_->installEventFilter(this);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box_);
        layout->addWidget(buttons);
    }

    ~DataCapEntryView() override { box_->removeEventFilter(this); }
    DataCapEntryView(const DataCapEntryView&) = delete;
    DataCapEntryView& operator=(const DataCapEntryView&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::FocusOut) {
            TakeBox();
        }
        return QDialog::eventFilter(watched, event);
    }

    void accept() override {
        TakeBox();
        QDialog::accept();
    }

  private:
    void TakeBox() { model_.OnListLostFocus(ToModelText(box_->toPlainText())); }

    CDataCapEntry& model_;
    QPlainTextEdit* box_ = nullptr;
};

}  // namespace

DialogResult RunDataCapEntryDialog(CDataCapEntry& model, QWidget* parent) {
    DataCapEntryView view(model, parent);
    return view.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
