#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varden {

// The iris and power dialog: the caller sets the m_ members, runs it modally and, on OK,
// reads the percentage and the power back. A calibrated source (non-zero calibration hours) is
// set by output power, an uncalibrated one by its iris percentage; the mode is fixed at opening.
//
// The view shows the fields below after OnInitDialog and hands each editable field's text to
// the matching OnKillFocus handler when the field loses the focus, and once more on OK.
class CIrisDialog {
  public:
    uint16_t m_percentage = 0;
    // In the source's integer units: 0.001 mW with factor 10000, 0.01 mW with factor 1000,
    // 0.0001 W with any other factor.
    uint16_t m_power = 0;
    uint8_t m_calibrationHours = 0;
    uint16_t m_powerFactor = 0;
    // False when the caller has no power reading to offer: the LED source reports none and
    // takes no power setting, so power entry then shows no value and accepts none.
    bool m_powerKnown = true;

    // What the dialog shows, filled by OnInitDialog.
    std::string percentageText;
    std::string powerText;
    std::string unitLabel = "W";
    bool percentageReadOnly = false;
    bool powerReadOnly = false;
    // The entries the editable field accepts, so that a refused entry explains itself.
    std::string rangeText;
    // Whether the last entry taken was refused (the member kept its value).
    bool entryRefused = false;

    bool PowerEntry() const { return m_calibrationHours != 0; }
    void OnInitDialog();
    // Percentage field lost the focus: a whole number from 0 to 100 is taken.
    void OnKillFocusPercentage(std::string_view text);
    // Power field lost the focus: a decimal number whose value in the source's units fits
    // 16 bits is taken, rounded to the nearest unit.
    void OnKillFocusPower(std::string_view text);
};

}  // namespace varden
