#pragma once

#include <cstdint>
#include <vector>

#include "core/controls/tab_panel.h"

namespace varden {

// The two axis lists that the tab panel holds for the snapshot table.
enum class AxisList { Wavelengths, Magnifications };

// Fetches a list from the panel. `capacity` is the room offered for the exchange; the result
// never holds more entries than that, whatever count the panel reports.
std::vector<uint16_t> FetchAxisList(CVardentabsctrl1& panel, AxisList list,
                                    uint16_t capacity = kMaxAxisEntries);

// Replaces a list in the panel (at most kMaxAxisEntries entries are passed).
void ReplaceAxisList(CVardentabsctrl1& panel, AxisList list, const std::vector<uint16_t>& entries);

}  // namespace varden
