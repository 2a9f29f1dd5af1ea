#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnLampSwitchRequested(uint8_t /*on*/) {}

void CVardenControlPanelDlg::OnIrisStepUpRequested(uint8_t /*unused*/) {}

void CVardenControlPanelDlg::OnShutterSwitchRequested(uint8_t /*open*/) {}

void CVardenControlPanelDlg::OnFeedbackSwitchRequested(uint8_t /*on*/) {}

void CVardenControlPanelDlg::OnPanelLockRequested(uint8_t /*lock*/) {}

void CVardenControlPanelDlg::OnAlarmClearRequested(uint8_t /*unused*/) {}

void CVardenControlPanelDlg::OnIrisStepDownRequested(uint8_t /*unused*/) {}

void CVardenControlPanelDlg::OnIrisSettingRequested(uint8_t /*unused*/) {}

}  // namespace varden
