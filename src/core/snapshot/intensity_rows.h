#pragma once

#include <cstddef>
#include <cstdint>

namespace varden {

// The intensity axis word: 1 to 100 is the increment in percent (rows 0, increment, ... up to
// the largest multiple not above 100); 100 + n is label mode with n labels, one row each.
inline constexpr uint16_t kLabelModeBase = 100;
inline constexpr uint16_t kDefaultIncrement = 10;
inline constexpr int kMaxIntensityLabels = 10;
inline constexpr uint16_t kMaxAxisWord = kLabelModeBase + kMaxIntensityLabels;
inline constexpr std::size_t kMaxLabelLength = 99;

constexpr bool IsLabelMode(uint16_t word) {
    return word > kLabelModeBase;
}

// The word as the table can be walked with: 0 would divide by zero and becomes the default
// increment; a word past ten labels would name labels that do not exist.
constexpr uint16_t UsableAxisWord(uint16_t word) {
    if (word == 0) {
        return kDefaultIncrement;
    }
    return word > kMaxAxisWord ? kMaxAxisWord : word;
}

// Rows of the table and the level step between them, for a usable word.
constexpr int IntensityRowCount(uint16_t word) {
    return IsLabelMode(word) ? word - kLabelModeBase : kLabelModeBase / word + 1;
}
constexpr int IntensityLevelStep(uint16_t word) {
    return IsLabelMode(word) ? 1 : word;
}

}  // namespace varden
