#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnPollTick() {
    lampApi.UpdateData();
    meterApi.UpdateData();
    lampApi.GetNumDevicesConnected();
    meterApi.GetNumDevicesConnected();
    ledApi.GetNumDevicesConnected();
}

void CVardenControlPanelDlg::DiscoverMeter(uint16_t /*meterCount*/) {}

void CVardenControlPanelDlg::DiscoverLamp(uint16_t /*lampCount*/) {}

void CVardenControlPanelDlg::DiscoverLed(uint16_t /*ledCount*/) {}

void CVardenControlPanelDlg::DisconnectLightSource() {}

void CVardenControlPanelDlg::ApplyRecordingRule() {}

}  // namespace varden
