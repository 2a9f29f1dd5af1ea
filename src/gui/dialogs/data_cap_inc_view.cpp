#include "gui/dialogs/data_cap_inc_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/snapshot/data_cap_inc.h"
#include "gui/dialogs/crlf_text.h"

namespace varden {

namespace {

// The intensity editor: the increment box and the labels box, which exclude each other. A box
// hands its text to the model when it loses the focus; the model says what both boxes show
// next. A box whose text was changed and not yet handed over (Enter in the increment box
// confirms the dialog without leaving the box) hands it over on OK.
class DataCapIncView : public QDialog {
  public:
    DataCapIncView(CDataCapInc& model, QWidget* parent) : QDialog(parent), model_(model) {
        setWindowTitle(QStringLiteral("Please Enter Scanning Increment"));
        increment_ = new QLineEdit(this);
        increment_->setObjectName(QStringLiteral("incrementBox"));
        labels_ = new QPlainTextEdit(this);
        labels_->setObjectName(QStringLiteral("labelsBox"));
        labels_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        labels_->setTabChangesFocus(true);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Enter the scanning increment:"), this));
        layout->addWidget(increment_);
        layout->addWidget(new QLabel(QStringLiteral("Or Enter Increment Labels (Max 10):"), this));
        layout->addWidget(labels_);
        layout->addWidget(buttons);

        model_.Open();
        ShowModel();
        connect(increment_, &QLineEdit::textChanged, this,
                [this] { incrementPending_ = incrementPending_ || !showing_; });
        connect(labels_, &QPlainTextEdit::textChanged, this,
                [this] { labelsPending_ = labelsPending_ || !showing_; });
        increment_->installEventFilter(this);
        labels_->installEventFilter(this);
    }

    ~DataCapIncView() override {
        // The boxes lose the focus as the dialog goes; the model is not told any more.
        increment_->removeEventFilter(this);
        labels_->removeEventFilter(this);
    }
    DataCapIncView(const DataCapIncView&) = delete;
    DataCapIncView& operator=(const DataCapIncView&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            if (watched == increment_) {
                TakeIncrement();
            } else if (watched == labels_) {
                TakeLabels();
            }
        }
        return QDialog::eventFilter(watched, event);
    }

    void accept() override {
        if (incrementPending_) {
            TakeIncrement();
        }
        if (labelsPending_) {
            TakeLabels();
        }
        QDialog::accept();
    }

  private:
    void TakeIncrement() {
        incrementPending_ = false;
        model_.incrementBox = increment_->text().toLocal8Bit().toStdString();
        model_.OnIncrementLostFocus();
        ShowModel();
    }

    void TakeLabels() {
        labelsPending_ = false;
        model_.labelsBox = ToModelText(labels_->toPlainText());
        model_.OnLabelsLostFocus();
        ShowModel();
    }

    // Shows what the model says the boxes hold; a box whose text stays keeps its cursor.
    void ShowModel() {
        showing_ = true;
        const QString increment = QString::fromLocal8Bit(model_.incrementBox);
        if (increment_->text() != increment) {
            increment_->setText(increment);
        }
        const QString labels = ToBoxText(model_.labelsBox);
        if (labels_->toPlainText() != labels) {
            labels_->setPlainText(labels);
        }
        showing_ = false;
    }

    CDataCapInc& model_;
    QLineEdit* increment_ = nullptr;
    QPlainTextEdit* labels_ = nullptr;
    bool showing_ = false;
    bool incrementPending_ = false;
    bool labelsPending_ = false;
};

}  // namespace

DialogResult RunDataCapIncDialog(CDataCapInc& model, QWidget* parent) {
    DataCapIncView view(model, parent);
    return view.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
