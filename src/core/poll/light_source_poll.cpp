#include "core/app/control_panel_dlg.h"

namespace varden {

void CVardenControlPanelDlg::PollLampSource() {}

void CVardenControlPanelDlg::PollLedSource() {}

}  // namespace varden
