#pragma once

#include <cstdint>

namespace varden {

// The iris and power dialog: the caller sets the four members, runs it modally and, on OK,
// reads the percentage and the power back.
class CIrisDialog {
public:
    uint16_t m_percentage = 0;
    uint16_t m_power = 0;
    uint8_t m_calibrationHours = 0;
    uint16_t m_powerFactor = 0;
};

}  // namespace varden
