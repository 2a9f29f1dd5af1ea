#pragma once

#include <string>

namespace varden {

// The About box: the program's name and version and a line on what it is for.
class CAboutDlg {
  public:
    std::string m_caption = "About Orvane Control Panel";
    std::string m_title = "Orvane Control Panel";
    std::string m_version = "Version 1.0";
    std::string m_detail = "Light source and power meter control for microscope illumination";
};

}  // namespace varden
