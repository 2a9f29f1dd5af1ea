#pragma once

#include <string>

namespace varden {

// The About box: the program's name and version and one more line.
class CAboutDlg {
public:
    std::string m_title = "Orvane Control Panel";
    std::string m_version = "Version 1.0";
    std::string m_detail;
};

}  // namespace varden
