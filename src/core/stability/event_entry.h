#pragma once

#include <string>

namespace varden {

// The event-entry dialog ("Event Entry"): one remark of the operator for the stability record.
class CEventEntry {
  public:
    // Longest remark the record keeps, in bytes.
    static constexpr std::size_t kMaxDescription = 99;

    // The remark; starts empty and is read by the caller after OK.
    std::string m_description;

    // The description field lost the focus (or the dialog is accepted with the text still in
    // the field): keep its text, cut to the longest remark.
    void OnDescriptionFocusLost(const std::string& fieldText);
};

}  // namespace varden
