#include "core/app/menu_layout.h"

#include "core/app/command_ids.h"

namespace varden {

namespace {

MenuEntry Command(int id, const char* text) {
    return MenuEntry{MenuEntry::Kind::Command, id, text, {}};
}
MenuEntry Separator() {
    return MenuEntry{MenuEntry::Kind::Separator, 0, {}, {}};
}
MenuEntry Popup(const char* text, std::vector<MenuEntry> entries) {
    return MenuEntry{MenuEntry::Kind::Popup, 0, text, std::move(entries)};
}

std::vector<MenuEntry> BuildLayout() {
    return {
        Popup("File", {Command(kCmdSavePowerSnapshotAs, "Save Power SnapShot As..."),
                       Command(kCmdSaveDataLogAs, "Save Data Log As..."),
                       Command(kCmdSaveStabilityGraphDataAs, "Save Stability Graph Data As..."),
                       Separator(), Command(kCmdExit, "Exit")}),
        Popup("Data Log", {Command(kCmdDownloadDataLog, "Download Irvel STORE Data Log"),
                           Command(kCmdClearDataLog, "Clear Irvel STORE Data Log")}),
        Popup("Power SnapShot",
              {Command(kCmdAutoCapture, "Orvane ovata Auto Capture..."),
               Command(kCmdAbortCapture, "Abort Capture..."),
               Command(kCmdClearCaptures, "Clear Captures"), Separator(),
               Popup("Axis Setup",
                     {Command(kCmdModifyWavelengths, "Modify Wavelengths"),
                      Command(kCmdModifyMagnifications, "Modify Magnifications"),
                      Command(kCmdModifyIntensityIncrement, "Modify Intensity Increment")})}),
        Popup("Power Meter", {Command(kCmdSetRtcToPcClock, "Set RTC to PC Clock"),
                              Command(kCmdClearFavouriteWavelengths, "Clear Favourite Wavelengths"),
                              Separator(), Command(kCmdSuspendPowerMeter, "Suspend Power Meter"),
                              Command(kCmdWakeupPowerMeter, "Wakeup Power Meter"),
                              Command(kCmdShutdownPowerMeter, "Shutdown Power Meter")}),
        Popup("Help", {Command(kCmdAbout, "About")}),
    };
}

std::string FindText(const std::vector<MenuEntry>& entries, int commandId) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command && entry.commandId == commandId) {
            return entry.text;
        }
        if (entry.kind == MenuEntry::Kind::Popup) {
            std::string text = FindText(entry.entries, commandId);
            if (!text.empty()) {
                return text;
            }
        }
    }
    return {};
}

}  // namespace

const std::vector<MenuEntry>& MainMenuLayout() {
    static const std::vector<MenuEntry> layout = BuildLayout();
    return layout;
}

std::string MenuCommandText(int commandId) {
    return FindText(MainMenuLayout(), commandId);
}

}  // namespace varden
