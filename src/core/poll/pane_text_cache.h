#pragma once

#include <cstdint>
#include <string>

namespace varden {

// The last text formatted for one status-bar pane and the value it was formatted from. The
// source polls set every pane at every tick, nearly always to the text of the tick before, so a
// pane's text is formatted again only when its value changes.
struct PaneTextCache {
    bool valid = false;
    uint32_t value = 0;
    std::string text;

    template <typename Format>
    const std::string& For(uint32_t newValue, Format format) {
        if (!valid || newValue != value) {
            format(newValue, text);
            value = newValue;
            valid = true;
        }
        return text;
    }
};

}  // namespace varden
