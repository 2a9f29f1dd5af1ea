#pragma once

#include <cstdint>
#include <vector>

#include "core/controls/tab_panel.h"
#include "core/snapshot/snapshot_axes.h"

namespace varden {

// How the snapshot commands read and replace the axes that the tab panel holds.

// The two lists, by the panel operations that exchange them.
enum class PanelList { Filters, Magnifications };

// Fetches a list from the panel. `capacity` is the room offered for the exchange; the result
// never holds more entries than that, whatever count the panel reports.
std::vector<uint16_t> FetchAxisList(CVardentabsctrl1& panel, PanelList list,
                                    uint16_t capacity = kMaxAxisEntries);

// Replaces a list in the panel (at most kMaxAxisEntries entries are passed).
void ReplaceAxisList(CVardentabsctrl1& panel, PanelList list, const std::vector<uint16_t>& entries);

// The axis word the table is walked with: 0, which no editor or restore produces, would leave
// the table without rows (or divide by zero) and is read as the default increment.
constexpr uint16_t WalkableAxisWord(uint16_t word) {
    return word == 0 ? kDefaultIncrement : word;
}

}  // namespace varden
