#pragma once

namespace varden {

class CVardenControlPanelDlg;

// Load, version-check and bind one driver library into the controller's entry table. Each shows
// its own failure message (with the library's caption) and returns false; on success it runs
// the library's first steps and returns true.
bool BindLampLibrary(CVardenControlPanelDlg& dlg);
bool BindMeterLibrary(CVardenControlPanelDlg& dlg);
bool BindLedLibrary(CVardenControlPanelDlg& dlg);

}  // namespace varden
