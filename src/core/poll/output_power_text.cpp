#include "core/poll/output_power_text.h"

#include <cstdio>

namespace varden {

std::string OutputPowerPaneText(uint16_t rawPower, uint16_t powerFactor) {
    const char* format = "%.2fW";
    double divisor = 10000.0;
    if (powerFactor == 10000) {
        format = "%.3fmW";
        divisor = 1000.0;
    } else if (powerFactor == 1000) {
        format = "%.1fmW";
        divisor = 100.0;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, format,
                                     static_cast<double>(static_cast<float>(rawPower / divisor)));
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace varden
