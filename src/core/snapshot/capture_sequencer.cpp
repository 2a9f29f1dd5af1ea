#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnAutoCapture() {}

void CVardenControlPanelDlg::CaptureStep() {}

void CVardenControlPanelDlg::OnAbortCapture() {}

void CVardenControlPanelDlg::OnClearCaptures() {}

void CVardenControlPanelDlg::OnCaptureCellRequested(uint8_t /*wavelengthIndex*/, uint8_t /*magnificationIndex*/, uint8_t /*row*/) {}

}  // namespace varden
