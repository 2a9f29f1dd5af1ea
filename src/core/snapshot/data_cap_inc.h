#pragma once

#include <string>

namespace varden {

// The intensity editor: an increment or a list of labels.
class CDataCapInc {
public:
    int m_increment = 0;
    std::string m_labelsText;
};

}  // namespace varden
