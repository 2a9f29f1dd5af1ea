// The About box and the light-source properties, reached from the menus.
#include "core/app/about_dlg.h"
#include "core/app/control_panel_dlg.h"
#include "core/source/ov_properties.h"

namespace varden {

void CVardenControlPanelDlg::ShowAboutBox() {
    CAboutDlg about;
    shell.RunModal(about);
}

void CVardenControlPanelDlg::ShowLightSourceProperties() {
    // The lamp library is asked even when an LED source is connected; its answer is not
    // checked, so the record shows whatever the library filled in (zeros when nothing).
    OVProperties properties;
    if (lampBound) {
        lampApi.GetInformation(lampDevice, &properties.m_info);
    }
    shell.RunModal(properties);
}

}  // namespace varden
