#pragma once

#include <string>
#include <vector>

namespace varden {

// One entry of the menu bar: a command, a separator or a pop-up with entries of its own.
struct MenuEntry {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    int commandId = 0;
    std::string text;
    std::vector<MenuEntry> entries;
};

// The main window's menu bar: "File", "Data Log", "Power SnapShot" (with "Axis Setup"),
// "Power Meter" and "Help", holding every command with its id and text.
const std::vector<MenuEntry>& MainMenuLayout();

// The text of a menu command, or an empty text for an unknown id.
std::string MenuCommandText(int commandId);

}  // namespace varden
