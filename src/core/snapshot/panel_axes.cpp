#include "core/snapshot/panel_axes.h"

#include <algorithm>

namespace varden {

std::vector<uint16_t> FetchAxisList(CVardentabsctrl1& panel, PanelList list, uint16_t capacity) {
    // Each slot is 32 bits wide and carries the entry in its low half.
    std::vector<int32_t> slots(capacity, 0);
    uint16_t count = 0;
    if (list == PanelList::Filters) {
        panel.GetFilterList(&count, slots.data(), capacity);
    } else {
        panel.GetMagnificationList(&count, slots.data(), capacity);
    }
    count = std::min(count, capacity);
    std::vector<uint16_t> entries;
    entries.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        entries.push_back(static_cast<uint16_t>(slots[i] & 0xFFFF));
    }
    return entries;
}

void ReplaceAxisList(CVardentabsctrl1& panel, PanelList list,
                     const std::vector<uint16_t>& entries) {
    const auto count =
        static_cast<uint16_t>(std::min<std::size_t>(entries.size(), kMaxAxisEntries));
    int32_t slots[kMaxAxisEntries] = {};
    for (uint16_t i = 0; i < count; ++i) {
        slots[i] = entries[i];
    }
    if (list == PanelList::Filters) {
        panel.SetFilterList(count, slots);
    } else {
        panel.SetMagnificationList(count, slots);
    }
}

}  // namespace varden
