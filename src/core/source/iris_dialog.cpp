#include "core/source/iris_dialog.h"

#include <cmath>
#include <cstdio>

#include "core/source/entry_parsing.h"

namespace varden {
namespace {

// Only this much of a field's text is read.
constexpr std::size_t kMaxEntryLength = 20;

// How the source's power factor scales m_power.
struct PowerScale {
    double unitsPerValue;  // units of m_power in one unit of the label
    double halfUnit;       // added before truncation so that entries round to the nearest unit
    const char* label;
};

PowerScale ScaleFor(uint16_t powerFactor) {
    switch (powerFactor) {
        case 10000: return {1000.0, 0.0005, "mW"};
        case 1000: return {100.0, 0.005, "mW"};
        default: return {10000.0, 0.00005, "W"};
    }
}

// The current power as the field shows it. With the 0.0001 W scale only two of the four
// decimals are shown.
std::string DisplayPower(uint16_t power, uint16_t powerFactor) {
    char text[16];
    switch (powerFactor) {
        case 10000: std::snprintf(text, sizeof text, "%d.%03d", power / 1000, power % 1000); break;
        case 1000: std::snprintf(text, sizeof text, "%d.%02d", power / 100, power % 100); break;
        default:
            std::snprintf(text, sizeof text, "%d.%02d", power / 10000, (power % 10000) / 100);
            break;
    }
    return text;
}

// The largest power m_power can hold, written with every decimal of the scale.
std::string LargestPower(uint16_t powerFactor) {
    switch (powerFactor) {
        case 10000: return "65.535";
        case 1000: return "655.35";
        default: return "6.5535";
    }
}

}  // namespace

void CIrisDialog::OnInitDialog() {
    entryRefused = false;
    if (PowerEntry()) {
        percentageReadOnly = true;
        percentageText.clear();
        unitLabel = ScaleFor(m_powerFactor).label;
        if (m_powerKnown) {
            powerText = DisplayPower(m_power, m_powerFactor);
            rangeText = "Accepted: 0 to " + LargestPower(m_powerFactor) + " " + unitLabel;
        } else {
            powerReadOnly = true;
            powerText.clear();
            rangeText = "No output power can be set on this source.";
        }
    } else {
        percentageText = std::to_string(m_percentage);
        powerReadOnly = true;
        powerText.clear();
        rangeText = "Accepted: 0 to 100 %";
    }
}

void CIrisDialog::OnKillFocusPercentage(std::string_view text) {
    // A read-only field takes nothing: its empty text must not turn into a 0 % setting.
    if (percentageReadOnly) {
        return;
    }
    const long long value = ParseLeadingInteger(text.substr(0, kMaxEntryLength));
    entryRefused = value < 0 || value > 100;
    if (!entryRefused) {
        m_percentage = static_cast<uint16_t>(value);
    }
}

void CIrisDialog::OnKillFocusPower(std::string_view text) {
    if (powerReadOnly) {
        return;
    }
    const std::optional<double> entry = ParseLeadingDecimal(text.substr(0, kMaxEntryLength));
    // Anything this large is refused below anyway; the bound keeps the conversion to single
    // precision defined.
    constexpr double kBeyondAnyScale = 1.0e9;
    entryRefused = !entry || !std::isfinite(*entry) || std::fabs(*entry) > kBeyondAnyScale;
    if (entryRefused) {
        return;
    }
    // The entry is taken in single precision, then rounded to the nearest unit in double.
    const float v = static_cast<float>(*entry);
    const PowerScale scale = ScaleFor(m_powerFactor);
    const double units = (static_cast<double>(v) + scale.halfUnit) * scale.unitsPerValue;
    // m_power's 16-bit limit (65.535 mW, 655.35 mW or 6.5535 W) lies below 999.99 at every
    // scale, so it is the upper bound of every entry.
    entryRefused = v < 0.0f || units >= 65536.0;
    if (!entryRefused) {
        m_power = static_cast<uint16_t>(units);
    }
}

}  // namespace varden
