#pragma once

#include <string>

#include "core/drivers/driver_abi.h"

namespace varden {

// The light-source properties dialog: shows the lamp library's device-information record.
// The caller lets the library fill m_info, then runs the dialog; it changes nothing.
class OVProperties {
  public:
    // All texts empty and all numbers zero until the library fills it.
    OvataDeviceInfo m_info{};

    // The fifteen lines of the text field, each ended by CR LF. Built whole from the record
    // whatever it holds; a text that fills its field without a terminating zero ends at the
    // field's end.
    std::string Text() const;
};

}  // namespace varden
