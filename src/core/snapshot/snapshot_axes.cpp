#include "core/snapshot/snapshot_axes.h"

#include <cstdio>
#include <optional>

#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

std::string FormatKey(const char* format, int number) {
    char key[32];
    std::snprintf(key, sizeof key, format, number);
    return key;
}

// A stored integer as the unsigned 16-bit value the axes hold. The profile is a file a user can
// edit: a value that is negative or does not fit 16 bits counts as missing rather than being
// wrapped into some other number.
std::optional<uint16_t> ReadWord(ProfileStore& profile, const char* section,
                                 const std::string& key) {
    const std::optional<long long> value = profile.ReadInt(section, key);
    if (!value || *value < 0 || *value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(*value);
}

// One axis list as stored: at most 10 entries even when the stored count says more. An entry
// that is missing or outside the accepted range takes its default, and is left out of the list
// when it has none, so that no invented or out-of-range value reaches the panel or the
// instruments.
struct StoredList {
    uint16_t count = 0;
    std::array<int32_t, kMaxAxisEntries> slots{};
};

StoredList ReadList(ProfileStore& profile, const AxisList& list) {
    const uint16_t stored = ReadWord(profile, list.section, list.countKey)
                                .value_or(static_cast<uint16_t>(list.defaults.size()));
    const int wanted = std::min<int>(stored, kMaxAxisEntries);
    StoredList result;
    for (int index = 0; index < wanted; ++index) {
        std::optional<uint16_t> entry = ReadWord(profile, list.section, list.EntryKey(index));
        if (entry && !list.Accepts(*entry)) {
            entry.reset();
        }
        if (!entry && static_cast<std::size_t>(index) < list.defaults.size()) {
            entry = list.defaults[static_cast<std::size_t>(index)];
        }
        if (entry) {
            result.slots[result.count++] = *entry;
        }
    }
    return result;
}

}  // namespace

std::string AxisList::EntryKey(int index) const {
    return FormatKey(entryKey, index + 1);
}

std::string IntensityLabelKey(int index) {
    return FormatKey("Label%d", index + 1);
}

void CVardenControlPanelDlg::RestoreSnapshotAxes() {
    const StoredList filters = ReadList(profile, kWavelengthList);
    tabPanel.SetFilterList(filters.count, filters.slots.data());
    const StoredList magnifications = ReadList(profile, kMagnificationList);
    tabPanel.SetMagnificationList(magnifications.count, magnifications.slots.data());

    // An increment outside 1 to 100 would give the capture and the export no usable rows.
    const std::optional<uint16_t> increment = ReadWord(profile, kIntensitySection, kIncrementKey);
    intensityAxis = increment && IsValidIncrement(*increment) ? *increment : kDefaultIncrement;

    // Stored labels put the axis into label mode whatever the increment says; the first missing
    // or empty label ends the list.
    for (int index = 0; index < kMaxIntensityLabels; ++index) {
        std::string label =
            profile.ReadString(kIntensitySection, IntensityLabelKey(index)).value_or("");
        if (label.size() > kMaxIntensityLabelLength) {
            label.resize(kMaxIntensityLabelLength);
        }
        intensityLabels[static_cast<std::size_t>(index)] = label;
        tabPanel.SetIntensityLabel(static_cast<uint8_t>(index), label);
        if (label.empty()) {
            break;
        }
        intensityAxis = static_cast<uint16_t>(kLabelModeBase + index + 1);
    }
    tabPanel.SetIntensityAxis(intensityAxis);
}

}  // namespace varden
