#include "gui/controls/reading_text.h"

#include "core/poll/output_power_text.h"

#include <algorithm>
#include <cmath>

namespace varden {

QString MilliwattText(double milliwatts) {
    if (!std::isfinite(milliwatts)) {
        return kNoValue;
    }
    // Four significant digits, judged after rounding (9.99996 shows as 10.00, not 10.000).
    const auto decimalsFor = [](double value) {
        if (value == 0.0) {
            return 3;
        }
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        return std::clamp(3 - magnitude, 0, 4);
    };
    int decimals = decimalsFor(milliwatts);
    const double scale = std::pow(10.0, decimals);
    decimals = std::min(decimals, decimalsFor(std::round(milliwatts * scale) / scale));
    return QStringLiteral("%1 mW").arg(milliwatts, 0, 'f', decimals);
}

QString OutputPowerText(uint16_t rawPower, uint16_t powerFactor) {
    // The same digits as the status bar.
    return QString::fromStdString(OutputPowerPaneText(rawPower, powerFactor));
}

QString DateFieldsText(uint8_t field1, uint8_t field2, uint8_t field3) {
    return QString::asprintf("%02d/%02d/%02d", field1, field2, field3);
}

QString ClockFieldsText(uint8_t hour, uint8_t minute, uint8_t second) {
    return QString::asprintf("%02d:%02d:%02d", hour, minute, second);
}

}  // namespace varden
