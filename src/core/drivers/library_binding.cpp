#include "core/drivers/library_binding.h"

#include <cstdio>
#include <string>

#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

// The loader of every family runs the same checks; only these rows differ.
struct LibraryFamily {
    const char* fileName;
    const char* caption;
    // The LED family accepts any minor number once the major number is at least 1.
    bool minorMustBeAtLeastOne;
};

constexpr LibraryFamily kLampFamily{LAMP_LIBRARY_FILE, "Orvane ovata.DLL Module load failure",
                                    true};
constexpr LibraryFamily kMeterFamily{METER_LIBRARY_FILE, "Varden.DLL Module load failure", true};
constexpr LibraryFamily kLedFamily{LED_LIBRARY_FILE, "Tarsa-Comm.DLL Module load failure", false};

constexpr long kModuleNotFound = 126;

bool VersionAccepted(const LibraryFamily& family, const FileVersionRecord& version) {
    if (version.FileMajor() < 1) {
        return false;
    }
    return !family.minorMustBeAtLeastOne || version.FileMinor() >= 1;
}

template <typename Api>
bool BindLibrary(CVardenControlPanelDlg& dlg, const LibraryFamily& family,
                 std::unique_ptr<Library>& handle, Api& table) {
    auto fail = [&](const std::string& message) {
        dlg.shell.ShowMessage(message, family.caption, MessageButtons::Ok);
        return false;
    };

    // The version is read before the load but judged only once the load has succeeded.
    std::optional<FileVersionRecord> version = dlg.loader.ReadVersion(family.fileName);
    if (!version) {
        return fail("Unable to obtain DLL version information!");
    }

    handle = nullptr;
    LoadResult loaded = dlg.loader.Load(family.fileName);
    if (!loaded.library) {
        if (loaded.errorCode == kModuleNotFound) {
            return fail("DLL Module not Found!");
        }
        char text[64];
        std::snprintf(text, sizeof text, "DLL Module not Loaded! Error Code: %ld",
                      loaded.errorCode);
        return fail(text);
    }
    handle = std::move(loaded.library);

    if (!VersionAccepted(family, *version)) {
        return fail("Incompatible DLL Version!");
    }
    if (!BindEntries(*handle, table)) {
        return fail("Unable to load all DLL functions!");
    }
    return true;
}

}  // namespace

bool BindLampLibrary(CVardenControlPanelDlg& dlg) {
    if (!BindLibrary(dlg, kLampFamily, dlg.lampLibrary, dlg.lampApi)) {
        return false;
    }
    dlg.lampDevice = 0;
    dlg.lampCountSeen = 0;
    dlg.lampApi.UpdateData();
    dlg.shell.SetWindowTitle("Orvane Control Panel");
    return true;
}

bool BindMeterLibrary(CVardenControlPanelDlg& dlg) {
    if (!BindLibrary(dlg, kMeterFamily, dlg.meterLibrary, dlg.meterApi)) {
        return false;
    }
    dlg.meterDevice = 0;
    dlg.meterCountSeen = 0;
    dlg.meterApi.UpdateData();
    // Every active meter is set up; the highest active unit ends up selected.
    const uint16_t count = static_cast<uint16_t>(dlg.meterApi.GetNumDevicesConnected());
    for (uint16_t unit = 0; unit < count; ++unit) {
        if (dlg.meterApi.DeviceActive(unit) != 0) {
            dlg.meterDevice = unit;
            dlg.meterApi.SetHexMode(unit);
            auto& favourites = dlg.favouriteWavelengths;
            dlg.meterApi.GetFiveFreqSetPoints(unit, &favourites[0], &favourites[1], &favourites[2],
                                              &favourites[3], &favourites[4]);
            dlg.favouritesKnown = false;
            dlg.contrastKnown = false;
        }
    }
    return true;
}

bool BindLedLibrary(CVardenControlPanelDlg& dlg) {
    if (!BindLibrary(dlg, kLedFamily, dlg.ledLibrary, dlg.ledApi)) {
        return false;
    }
    dlg.ledDevice = 0;
    dlg.ledCountSeen = 0;
    return true;
}

}  // namespace varden
