// Routes every timer tick, menu command, system command and control event to its handler.
#include "core/app/command_ids.h"
#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnTimer(int /*timerId*/) {
    OnPollTick();
}

void CVardenControlPanelDlg::OnMenuCommand(int commandId) {
    switch (commandId) {
        case kCmdSaveDataLogAs: OnSaveDataLogAs(); break;
        case kCmdDownloadDataLog: OnDownloadDataLog(); break;
        case kCmdClearDataLog: OnClearDataLog(); break;
        case kCmdSavePowerSnapshotAs: OnSavePowerSnapshotAs(); break;
        case kCmdSaveStabilityGraphDataAs: OnSaveStabilityGraphDataAs(); break;
        case kCmdExit: OnExit(); break;
        case kCmdModifyWavelengths: OnModifyWavelengths(); break;
        case kCmdModifyMagnifications: OnModifyMagnifications(); break;
        case kCmdModifyIntensityIncrement: OnModifyIntensityIncrement(); break;
        case kCmdAutoCapture: OnAutoCapture(); break;
        case kCmdAbortCapture: OnAbortCapture(); break;
        case kCmdClearCaptures: OnClearCaptures(); break;
        case kCmdShutdownPowerMeter: OnShutdownPowerMeter(); break;
        case kCmdSuspendPowerMeter: OnSuspendPowerMeter(); break;
        case kCmdWakeupPowerMeter: OnWakeupPowerMeter(); break;
        case kCmdSetRtcToPcClock: OnSetRtcToPcClock(); break;
        case kCmdClearFavouriteWavelengths: OnClearFavouriteWavelengths(); break;
        case kCmdAbout: ShowAboutBox(); break;
        default: break;
    }
}

bool CVardenControlPanelDlg::OnSysCommand(int commandId) {
    // The window system may use the low four bits of a system command for itself.
    if ((commandId & 0xFFF0) == kSysCmdAbout) {
        ShowAboutBox();
        return true;
    }
    if (commandId == kSysCmdProperties) {
        ShowLightSourceProperties();
        return true;
    }
    return false;
}

void CVardenControlPanelDlg::OnButtonPanelEvent(int event, uint8_t argument) {
    switch (event) {
        case kLampSwitchRequested: OnLampSwitchRequested(argument); break;
        case kIrisStepUpRequested: OnIrisStepUpRequested(argument); break;
        case kShutterSwitchRequested: OnShutterSwitchRequested(argument); break;
        case kFeedbackSwitchRequested: OnFeedbackSwitchRequested(argument); break;
        case kPanelLockRequested: OnPanelLockRequested(argument); break;
        case kAlarmClearRequested: OnAlarmClearRequested(argument); break;
        case kIrisStepDownRequested: OnIrisStepDownRequested(argument); break;
        case kIrisSettingRequested: OnIrisSettingRequested(argument); break;
        case 106:
        case 109:
        case 110:
        case 111: OnUnusedButtonEvent(argument); break;
        default: break;
    }
}

void CVardenControlPanelDlg::OnTabPanelEvent(int event, uint32_t arg1, uint32_t arg2,
                                             uint32_t arg3) {
    switch (event) {
        case kPageSelected: OnPageSelected(static_cast<uint8_t>(arg1)); break;
        case kStabilityCommand: OnStabilityCommand(static_cast<uint8_t>(arg1)); break;
        case kFavouriteWavelengthSet:
            OnFavouriteWavelengthSet(static_cast<uint8_t>(arg1), static_cast<uint16_t>(arg2));
            break;
        case kSampleIntervalChanged: OnSampleIntervalChanged(static_cast<uint16_t>(arg1)); break;
        case kContrastChanged: OnContrastChanged(static_cast<uint8_t>(arg1)); break;
        case kCaptureCellRequested:
            OnCaptureCellRequested(static_cast<uint8_t>(arg1), static_cast<uint8_t>(arg2),
                                   static_cast<uint8_t>(arg3));
            break;
        case kWavelengthChanged: OnWavelengthChanged(static_cast<uint16_t>(arg1)); break;
        case kModeOptionChanged:
            OnModeOptionChanged(static_cast<uint8_t>(arg1), static_cast<uint16_t>(arg2));
            break;
        default: break;
    }
}

void CVardenControlPanelDlg::OnStripChartEvent(int event) {
    if (event == kAnnotationRequested) {
        OnAnnotationRequested();
    }
}

void CVardenControlPanelDlg::OnUnusedButtonEvent(uint8_t /*unused*/) {}

}  // namespace varden
