#include "core/app/about_dlg.h"
#include "core/app/bitmap_canvas.h"
#include "core/app/control_panel_dlg.h"
#include "core/source/ov_properties.h"

namespace varden {

bool CVardenControlPanelDlg::OnEraseBackground(BitmapCanvas& canvas) {
    if (!(lampBound && meterBound && ledBound)) {
        return false;
    }
    return canvas.FillBackground();
}

void CVardenControlPanelDlg::OnSize() {}

void CVardenControlPanelDlg::OnLButtonDown(int /*x*/, int /*y*/) {}

void CVardenControlPanelDlg::ResizeToLayout() {
    if (backgroundBitmap) {
        shell.SetWindowSize(backgroundWidth + 6, contentHeight + 32 + captionExtra);
    }
}

void CVardenControlPanelDlg::RepaintBackground() { shell.RepaintBackground(); }

void CVardenControlPanelDlg::ShowAboutBox() {
    CAboutDlg about;
    shell.RunModal(about);
}

void CVardenControlPanelDlg::ShowLightSourceProperties() {
    OVProperties properties;
    if (lampBound) {
        lampApi.GetInformation(lampDevice, &properties.m_info);
    }
    shell.RunModal(properties);
}

}  // namespace varden
