#pragma once

#include <string>

namespace varden {

// The event-entry dialog: one remark of at most 99 characters.
class CEventEntry {
public:
    std::string m_description;
};

}  // namespace varden
