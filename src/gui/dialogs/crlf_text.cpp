#include "gui/dialogs/crlf_text.h"

namespace varden {

QString ToBoxText(const std::string& modelText) {
    QString text = QString::fromLocal8Bit(modelText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string ToModelText(const QString& boxText) {
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toLocal8Bit().toStdString();
}

}  // namespace varden
