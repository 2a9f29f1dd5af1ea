#include "gui/dialogs/ov_properties_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/source/ov_properties.h"

namespace varden {

DialogResult RunOvPropertiesDialog(OVProperties& model, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Orvane ovata Properties"));

    auto* text = new QPlainTextEdit(&dialog);
    text->setObjectName(QStringLiteral("propertiesText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The record's texts are 8-bit; the lines end in CR LF, which the text field shows as one
    // line break.
    QString content = QString::fromLatin1(model.Text().c_str());
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text->setPlainText(content);
    // Room for all fifteen lines and a typical serial number or description; longer texts
    // scroll.
    const QFontMetrics metrics(text->font());
    const int margins = 2 * (text->frameWidth() + qRound(text->document()->documentMargin()));
    text->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * 44 + margins,
                         metrics.lineSpacing() * 16 + margins);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
