#pragma once

#include "core/drivers/driver_abi.h"

namespace varden {

// The light-source properties dialog: shows the lamp library's device-information record.
class OVProperties {
public:
    OvataDeviceInfo m_info{};
};

}  // namespace varden
