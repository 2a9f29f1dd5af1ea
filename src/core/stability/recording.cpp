#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnPageSelected(uint8_t /*page*/) {}

void CVardenControlPanelDlg::OnStabilityCommand(uint8_t /*action*/) {}

void CVardenControlPanelDlg::OnSampleIntervalChanged(uint16_t /*seconds*/) {}

void CVardenControlPanelDlg::StartRecording() {}

void CVardenControlPanelDlg::StopRecording() {}

void CVardenControlPanelDlg::RecordingStep() {}

void CVardenControlPanelDlg::TakeSample(int64_t /*now*/) {}

void CVardenControlPanelDlg::AppendEvent(const std::string& /*text*/, uint32_t /*seconds*/) {}

void CVardenControlPanelDlg::OnAnnotationRequested() {}

}  // namespace varden
