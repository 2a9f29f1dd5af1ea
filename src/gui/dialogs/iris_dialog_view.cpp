#include "gui/dialogs/iris_dialog_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/source/iris_dialog.h"

namespace varden {
namespace {

// Binds the two entry fields to the model: each editable field is handed to the model when it
// loses the focus, and once more on OK, because OK by the Enter key leaves the focus where it is.
class IrisDialogView : public QDialog {
  public:
    IrisDialogView(CIrisDialog& model, QWidget* parent) : QDialog(parent), model_(model) {
        setWindowTitle(QStringLiteral("Iris Control"));
        model_.OnInitDialog();

        percentage_ = NewField(QStringLiteral("percentageField"), model_.percentageText,
                               model_.percentageReadOnly);
        power_ = NewField(QStringLiteral("powerField"), model_.powerText, model_.powerReadOnly);
        auto* unit = new QLabel(QString::fromLatin1(model_.unitLabel.c_str()), this);
        unit->setObjectName(QStringLiteral("unitLabel"));
        range_ = new QLabel(QString::fromLatin1(model_.rangeText.c_str()), this);
        range_->setObjectName(QStringLiteral("rangeLabel"));
        ShowRefusal();

        auto* fields = new QGridLayout;
        fields->setHorizontalSpacing(8);
        fields->addWidget(new QLabel(QStringLiteral("Iris Setting:"), this), 0, 0);
        fields->addWidget(percentage_, 0, 1);
        fields->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
        fields->addWidget(new QLabel(QStringLiteral("Power Setting:"), this), 1, 0);
        fields->addWidget(power_, 1, 1);
        fields->addWidget(unit, 1, 2);
        fields->addWidget(range_, 2, 1, 1, 2);
        fields->setColumnStretch(1, 1);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(fields);
        layout->addSpacing(6);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);

        // Start in the field that takes the entry, its value selected for overtyping.
        QLineEdit* editable = model_.PowerEntry() ? power_ : percentage_;
        if (!editable->isReadOnly()) {
            editable->setFocus();
            editable->selectAll();
        }
    }

    void accept() override {
        TakeField(percentage_);
        TakeField(power_);
        QDialog::accept();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            TakeField(static_cast<QLineEdit*>(watched));
        }
        return QDialog::eventFilter(watched, event);
    }

  private:
    QLineEdit* NewField(const QString& name, const std::string& text, bool readOnly) {
        auto* field = new QLineEdit(QString::fromLatin1(text.c_str()), this);
        field->setObjectName(name);
        field->setAlignment(Qt::AlignRight);
        field->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
        field->setReadOnly(readOnly);
        if (readOnly) {
            // Shown like a label's background, so it does not invite typing.
            QPalette look = field->palette();
            look.setColor(QPalette::Base, look.color(QPalette::Window));
            field->setPalette(look);
            field->setFocusPolicy(Qt::NoFocus);
        }
        field->installEventFilter(this);
        return field;
    }

    void TakeField(QLineEdit* field) {
        if (field->isReadOnly()) {
            return;
        }
        const QByteArray text = field->text().toLatin1();
        const std::string_view entry(text.constData(), static_cast<std::size_t>(text.size()));
        if (field == percentage_) {
            model_.OnKillFocusPercentage(entry);
        } else {
            model_.OnKillFocusPower(entry);
        }
        ShowRefusal();
    }

    // The accepted range is always shown; after a refused entry it is drawn as a warning.
    void ShowRefusal() {
        range_->setProperty("refused", model_.entryRefused);
        QPalette look = palette();
        if (model_.entryRefused) {
            look.setColor(QPalette::WindowText, QColor(0xB0, 0x1E, 0x1E));
        }
        range_->setPalette(look);
        QFont font = range_->font();
        font.setBold(model_.entryRefused);
        range_->setFont(font);
    }

    CIrisDialog& model_;
    QLineEdit* percentage_ = nullptr;
    QLineEdit* power_ = nullptr;
    QLabel* range_ = nullptr;
};

}  // namespace

DialogResult RunIrisDialog(CIrisDialog& model, QWidget* parent) {
    IrisDialogView view(model, parent);
    return view.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
