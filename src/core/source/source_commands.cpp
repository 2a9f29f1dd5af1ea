// The light-source button panel's commands. The lamp source is asked first and wins when both
// sources are active; the handlers keep no state and leave the display to the next poll ticks.
#include "core/app/control_panel_dlg.h"
#include "core/source/iris_dialog.h"

namespace varden {
namespace {

enum class Source { None, Lamp, Led };

// Asked afresh for every command: the lamp library first, the LED library only when the lamp
// source is not active.
Source ActiveSource(CVardenControlPanelDlg& dlg) {
    if (dlg.lampApi.DeviceActive(dlg.lampDevice) != 0) {
        return Source::Lamp;
    }
    if (dlg.ledApi.DeviceActive(dlg.ledDevice) != 0) {
        return Source::Led;
    }
    return Source::None;
}

// Calls the same entry of whichever source is active; the two libraries share these entries.
template <typename Command>
void OnActiveSource(CVardenControlPanelDlg& dlg, Command command) {
    switch (ActiveSource(dlg)) {
        case Source::Lamp:
            command(dlg.lampApi, dlg.lampDevice);
            break;
        case Source::Led:
            command(dlg.ledApi, dlg.ledDevice);
            break;
        case Source::None:
            break;
    }
}

}  // namespace

void CVardenControlPanelDlg::OnLampSwitchRequested(uint8_t on) {
    if (lampApi.DeviceActive(lampDevice) == 0) {
        return;
    }
    if (on != 0) {
        lampApi.TurnLampOn(lampDevice);
        return;
    }
    if (shell.ShowMessage("Do you want to turn off the lamp?", "Lamp Off Confirmation",
                          MessageButtons::YesNo) == MessageAnswer::Yes) {
        lampApi.TurnLampOff(lampDevice);
    }
}

void CVardenControlPanelDlg::OnIrisStepUpRequested(uint8_t /*unused*/) {
    if (feedbackOn) {
        return;
    }
    OnActiveSource(*this, [](auto& api, uint16_t device) { api.IncrementIrisSetting(device); });
}

void CVardenControlPanelDlg::OnIrisStepDownRequested(uint8_t /*unused*/) {
    if (feedbackOn) {
        return;
    }
    OnActiveSource(*this, [](auto& api, uint16_t device) { api.DecrementIrisSetting(device); });
}

void CVardenControlPanelDlg::OnShutterSwitchRequested(uint8_t open) {
    OnActiveSource(*this, [open](auto& api, uint16_t device) {
        if (open != 0) {
            api.OpenShutter(device);
        } else {
            api.CloseShutter(device);
        }
    });
}

void CVardenControlPanelDlg::OnFeedbackSwitchRequested(uint8_t on) {
    // Without an active lamp source the command goes to the LED library unasked.
    auto send = [on](auto& api, uint16_t device) {
        if (on != 0) {
            api.TurnCLFOn(device);
        } else {
            api.TurnCLFOff(device);
        }
    };
    if (lampApi.DeviceActive(lampDevice) != 0) {
        send(lampApi, lampDevice);
    } else {
        send(ledApi, ledDevice);
    }
}

void CVardenControlPanelDlg::OnPanelLockRequested(uint8_t lock) {
    // Locking puts the source under computer control; releasing hands it back to its front
    // panel. Only the lamp source is disconnected on release.
    const Source source = ActiveSource(*this);
    auto sequence = [lock, source](auto& api, uint16_t device) {
        if (lock != 0) {
            api.SendConnect(device);
            api.EnablePCShutterControl(device);
            api.LockFrontPanel(device);
        } else {
            api.UnlockFrontPanel(device);
            api.DisableShutterControl(device);
            if (source == Source::Lamp) {
                api.SendDisConnect(device);
            }
        }
    };
    if (source == Source::Lamp) {
        sequence(lampApi, lampDevice);
    } else if (source == Source::Led) {
        sequence(ledApi, ledDevice);
    }
}

void CVardenControlPanelDlg::OnAlarmClearRequested(uint8_t /*unused*/) {
    // Only the lamp source has alarms; it is not asked whether it is active.
    lampApi.ClearAlarm(lampDevice);
}

void CVardenControlPanelDlg::OnIrisSettingRequested(uint8_t /*unused*/) {
    const Source source = ActiveSource(*this);
    CIrisDialog dialog;
    if (source == Source::Lamp) {
        lampApi.GetPercentageLevel(lampDevice, &dialog.m_percentage);
        lampApi.GetOutputPower(lampDevice, &dialog.m_power);
        lampApi.GetCalibrationTime(lampDevice, &dialog.m_calibrationHours);
        dialog.m_powerFactor = powerFactor;
    } else if (source == Source::Led) {
        ledApi.GetPercentageLevel(ledDevice, &dialog.m_percentage);
        ledApi.GetCalibrationTime(ledDevice, &dialog.m_calibrationHours);
        dialog.m_powerFactor = 100;
        dialog.m_powerKnown = false;
    } else {
        return;
    }
    if (shell.RunModal(dialog) != DialogResult::Ok) {
        return;
    }
    // The poll cycle ran while the dialog was open: feedback and calibration are read now.
    if (feedbackOn) {
        return;
    }
    if (source == Source::Lamp) {
        if (calibrationHours != 0) {
            lampApi.SetOutputPower(lampDevice, dialog.m_power);
        } else {
            lampApi.SetPercentageLevel(lampDevice, dialog.m_percentage);
        }
    } else if (calibrationHours == 0) {
        // The LED source takes no power setting.
        ledApi.SetPercentageLevel(ledDevice, dialog.m_percentage);
    }
}

}  // namespace varden
