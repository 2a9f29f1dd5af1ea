#pragma once

#include <cstdint>
#include <string>

namespace varden {

// The lamp's output power in the unit its power factor stands for: factor 10000 "1.234mW",
// factor 1000 "12.3mW", any other "1.25W". The quotient is rounded to single precision before
// it is printed, so the status bar and the panels show the same digits.
std::string OutputPowerPaneText(uint16_t rawPower, uint16_t powerFactor);

}  // namespace varden
