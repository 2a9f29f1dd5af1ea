// The power meter's menu commands and the settings changed on its tab-panel pages. The meter
// poll reads the new settings back and shows them.
#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

bool MeterActive(CVardenControlPanelDlg& dlg) {
    return dlg.meterApi.DeviceActive(dlg.meterDevice) != 0;
}

}  // namespace

void CVardenControlPanelDlg::OnShutdownPowerMeter() {
    if (MeterActive(*this)) {
        meterApi.TurnRadiometerOff(meterDevice);
    }
}

void CVardenControlPanelDlg::OnSuspendPowerMeter() {
    if (MeterActive(*this)) {
        meterApi.PutRadiometerToSleep(meterDevice);
    }
}

void CVardenControlPanelDlg::OnWakeupPowerMeter() {
    if (MeterActive(*this)) {
        meterApi.WakeRadiometer(meterDevice);
    }
}

void CVardenControlPanelDlg::OnSetRtcToPcClock() {
    // One moment, a second ahead to allow for the transfer, broken down once: the date and the
    // time sent are then always valid and belong together, also across midnight and New Year.
    const LocalTime t = clock.ToLocalTime(clock.Now() + 1);
    meterApi.SetRTD(meterDevice, static_cast<uint8_t>(t.month), static_cast<uint8_t>(t.day),
                    static_cast<uint8_t>(t.year - 2000));
    meterApi.SetRTC(meterDevice, static_cast<uint8_t>(t.hour), static_cast<uint8_t>(t.minute),
                    static_cast<uint8_t>(t.second));
}

void CVardenControlPanelDlg::OnClearFavouriteWavelengths() {
    if (MeterActive(*this)) {
        for (uint8_t slot = 0; slot < 5; ++slot) {
            meterApi.SetFiveFreqSetPoints(meterDevice, slot, 0);
        }
    }
    // The meter poll shows the favourites only when it fetches them, so the panel keeps these
    // zeros until the meter is connected again.
    tabPanel.ShowFavouriteWavelengths(0, 0, 0, 0, 0);
}

void CVardenControlPanelDlg::OnFavouriteWavelengthSet(uint8_t slot, uint16_t wavelength) {
    if (MeterActive(*this)) {
        meterApi.SetFiveFreqSetPoints(meterDevice, slot, wavelength);
    }
}

void CVardenControlPanelDlg::OnContrastChanged(uint8_t level) {
    if (MeterActive(*this)) {
        meterApi.SetLCDContrast(meterDevice, level);
    }
}

void CVardenControlPanelDlg::OnWavelengthChanged(uint16_t wavelength) {
    if (MeterActive(*this)) {
        meterApi.SetWaveLength(meterDevice, wavelength);
    }
}

void CVardenControlPanelDlg::OnModeOptionChanged(uint8_t on, uint16_t mask) {
    // The other bits go back as the meter poll last read them.
    if (on != 0) {
        meterMode = static_cast<uint16_t>(meterMode | mask);
    } else {
        meterMode = static_cast<uint16_t>(meterMode & ~mask);
    }
    meterApi.SetMode(meterDevice, meterMode);
}

}  // namespace varden
