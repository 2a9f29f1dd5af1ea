#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnModifyWavelengths() {}

void CVardenControlPanelDlg::OnModifyMagnifications() {}

void CVardenControlPanelDlg::OnModifyIntensityIncrement() {}

}  // namespace varden
