#pragma once

#include <QString>
#include <string>

namespace varden {

// The dialog models keep multi-line texts with CR LF line ends, as their parsing rules split
// on them; Qt's text boxes use a bare line feed.
QString ToBoxText(const std::string& modelText);
std::string ToModelText(const QString& boxText);

}  // namespace varden
