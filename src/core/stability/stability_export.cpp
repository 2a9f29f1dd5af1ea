#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnSaveStabilityGraphDataAs() {}

bool CVardenControlPanelDlg::AskSavePreviousRecord() { return true; }

}  // namespace varden
