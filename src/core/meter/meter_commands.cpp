#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnShutdownPowerMeter() {}

void CVardenControlPanelDlg::OnSuspendPowerMeter() {}

void CVardenControlPanelDlg::OnWakeupPowerMeter() {}

void CVardenControlPanelDlg::OnSetRtcToPcClock() {}

void CVardenControlPanelDlg::OnClearFavouriteWavelengths() {}

void CVardenControlPanelDlg::OnFavouriteWavelengthSet(uint8_t /*slot*/, uint16_t /*wavelength*/) {}

void CVardenControlPanelDlg::OnContrastChanged(uint8_t /*level*/) {}

void CVardenControlPanelDlg::OnWavelengthChanged(uint16_t /*wavelength*/) {}

void CVardenControlPanelDlg::OnModeOptionChanged(uint8_t /*on*/, uint16_t /*mask*/) {}

}  // namespace varden
