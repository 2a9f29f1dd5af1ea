#include "core/app/control_panel_dlg.h"

namespace varden {

std::vector<std::string> CVardenControlPanelDlg::DetectEvents() { return {}; }

}  // namespace varden
