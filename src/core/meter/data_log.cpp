#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::OnDownloadDataLog() {}

void CVardenControlPanelDlg::OnClearDataLog() {}

void CVardenControlPanelDlg::OnSaveDataLogAs() {}

}  // namespace varden
