#pragma once

#include <string>

namespace varden {

// The list editor: a caption and one entry per line.
class CDataCapEntry {
public:
    std::string m_caption;
    std::string m_listText;
};

}  // namespace varden
