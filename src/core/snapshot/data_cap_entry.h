#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varden {

// The list editor: a caption and one entry per line in a multi-line box. Lines end with
// CR LF in `m_listText`, as the box of the editor delivers them.
class CDataCapEntry {
  public:
    std::string m_caption;
    std::string m_listText;

    // The box lost the input focus: its text becomes the list text.
    void OnListLostFocus(const std::string& boxText) { m_listText = boxText; }

    // One line "%d\r\n" per entry, also after the last one.
    static std::string ListText(const std::vector<uint16_t>& entries);

    // The entries of the list text: at most ten lines are examined, from the first until one
    // that does not begin with a digit. A line's value is its leading digits taken modulo
    // 65536; values outside [minimum, maximum] are dropped but their line still counts.
    std::vector<uint16_t> Entries(uint16_t minimum, uint16_t maximum) const;
};

}  // namespace varden
