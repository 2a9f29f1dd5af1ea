#pragma once

#include "core/app/control_panel_dlg.h"

namespace varden {

enum class LightSource { None, Lamp, Led };

// The light source a command goes to, asked afresh for every command: the lamp library first,
// the LED library only when the lamp source is not active.
inline LightSource ActiveSource(CVardenControlPanelDlg& dlg) {
    if (dlg.lampApi.DeviceActive(dlg.lampDevice) != 0) {
        return LightSource::Lamp;
    }
    if (dlg.ledApi.DeviceActive(dlg.ledDevice) != 0) {
        return LightSource::Led;
    }
    return LightSource::None;
}

// Calls the same entry of whichever source is active; the two libraries share these entries.
template <typename Command>
void OnActiveSource(CVardenControlPanelDlg& dlg, Command command) {
    switch (ActiveSource(dlg)) {
        case LightSource::Lamp: command(dlg.lampApi, dlg.lampDevice); break;
        case LightSource::Led: command(dlg.ledApi, dlg.ledDevice); break;
        case LightSource::None: break;
    }
}

}  // namespace varden
