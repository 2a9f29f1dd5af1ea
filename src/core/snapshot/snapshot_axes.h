#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/controls/tab_panel.h"

namespace varden {

// One of the two axis lists of the snapshot table (wavelengths of the filter sets, or
// magnifications): its accepted range and where the profile keeps it. Entries are numbered from
// 1 in the profile and from 0 everywhere else.
struct AxisList {
    const char* section;   // profile section
    const char* countKey;  // number of entries
    const char* entryKey;  // printf format of an entry's key, %d = 1-based entry number
    uint16_t minimum;      // accepted range of an entry, inclusive
    uint16_t maximum;
    // Values of entries 1, 2, ... when the profile has none; their number is the default count.
    std::span<const uint16_t> defaults;

    // Whether an entry may enter the list (and from there reach the instruments).
    constexpr bool Accepts(long long value) const { return value >= minimum && value <= maximum; }
    // Profile key of the entry at 0-based `index`: "Filter1Label" for index 0.
    std::string EntryKey(int index) const;
};

inline constexpr std::array<uint16_t, 4> kDefaultWavelengths{425, 480, 560, 580};
inline constexpr std::array<uint16_t, 5> kDefaultMagnifications{10, 20, 40, 60, 100};

// Wavelengths in nanometres, 320 to 750.
inline constexpr AxisList kWavelengthList{"Filters", "NumFilters", "Filter%dLabel",
                                          320,       750,          kDefaultWavelengths};
// Magnification factors (10 means 10X), 1 to 1000.
inline constexpr AxisList kMagnificationList{
    "Magnifications", "NumMags", "Mag%dLabel", 1, 1000, kDefaultMagnifications};

// The intensity axis word: 1 to 100 is the increment in percent; 100 + n (n = 1 to 10) is
// label mode with n labels.
inline constexpr const char* kIntensitySection = "Intensity";
inline constexpr const char* kIncrementKey = "Increment";
inline constexpr uint16_t kDefaultIncrement = 10;
inline constexpr uint16_t kMinIncrement = 1;
inline constexpr uint16_t kMaxIncrement = 100;
inline constexpr uint16_t kLabelModeBase = 100;
inline constexpr int kMaxIntensityLabels = 10;
inline constexpr std::size_t kMaxIntensityLabelLength = 99;

// Profile key of the intensity label at 0-based `index`: "Label1" for index 0.
std::string IntensityLabelKey(int index);

constexpr bool IsValidIncrement(long long increment) {
    return increment >= kMinIncrement && increment <= kMaxIncrement;
}
constexpr bool IsLabelMode(uint16_t axis) {
    return axis > kLabelModeBase;
}
// Labels of a label-mode axis word; never more than there are label slots.
constexpr int LabelCount(uint16_t axis) {
    return IsLabelMode(axis) ? std::min(axis - kLabelModeBase, kMaxIntensityLabels) : 0;
}
// Rows of the snapshot table: floor(100 / increment) + 1 in numeric mode (0 %, increment, ...
// up to the last multiple not above 100), one per label in label mode. An axis word of 0, which
// no valid profile or editor produces, has no rows.
constexpr int IntensityRowCount(uint16_t axis) {
    if (IsLabelMode(axis)) {
        return LabelCount(axis);
    }
    return axis == 0 ? 0 : kMaxIncrement / axis + 1;
}
// Level that a row stands for: its percentage in numeric mode, its index in label mode.
constexpr int IntensityRowLevel(uint16_t axis, int row) {
    return IsLabelMode(axis) ? row : row * axis;
}

}  // namespace varden
