#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnSavePowerSnapshotAs() {}

}  // namespace varden
