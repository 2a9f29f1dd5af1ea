// Painting, sizing and the header-bar clicks of the main window.
#include "core/app/bitmap_canvas.h"
#include "core/app/command_ids.h"
#include "core/app/control_panel_dlg.h"
#include "core/app/window_layout.h"

namespace varden {

bool CVardenControlPanelDlg::OnEraseBackground(BitmapCanvas& canvas) {
    // Until all three libraries are bound the window is on its way to closing.
    if (!(lampBound && meterBound && ledBound)) {
        return false;
    }
    const bool erased = canvas.FillBackground();
    if (!backgroundBitmap) {
        return erased;
    }
    shell.MoveChild(ChildWindow::StatusBar, statusBarRect, false);

    // The pictures are centred on the client area; a narrower one pushes them off its left edge.
    const int x0 = (shell.ClientRect().Width() - backgroundWidth) / 2;
    const int lowerBarY = tabSectionShown ? kLowerBarYBelowTabs : kLowerBarYAlone;
    auto draw = [&](const std::optional<Size>& bitmap, int resourceId, int x, int y) {
        if (bitmap) {
            canvas.DrawBitmap(resourceId, x, y);
        }
    };
    // Later copies overwrite earlier ones, so each bar gets its buttons on top.
    if (tabSectionShown) {
        draw(backgroundBitmap, kBitmapBackground, x0, kBackgroundY);
    }
    draw(barBitmap, kBitmapBar, x0, lowerBarY);
    draw(barBitmap, kBitmapBar, x0, kUpperBarY);
    draw(collapseBitmap, kBitmapCollapse, x0 + kCollapseButtonX, lowerBarY);
    draw(collapseBitmap, kBitmapCollapse, x0 + kCollapseButtonX, kUpperBarY);
    draw(expandBitmap, kBitmapExpand, x0 + kExpandButtonX, lowerBarY);
    draw(expandBitmap, kBitmapExpand, x0 + kExpandButtonX, kUpperBarY);
    return erased;
}

void CVardenControlPanelDlg::OnSize() {
    if (backgroundBitmap) {
        shell.InvalidateAll();
    }
}

void CVardenControlPanelDlg::OnLButtonDown(int x, int y) {
    switch (HeaderClickAt(x, y, tabSectionShown, sourceSectionShown)) {
        case HeaderClick::ShowSource:
            sourceSectionShown = true;
            ApplyLayout(false);
            break;
        case HeaderClick::HideSource:
            sourceSectionShown = false;
            ApplyLayout(false);
            break;
        case HeaderClick::ShowTabs:
            tabSectionShown = true;
            ApplyLayout(true);
            break;
        case HeaderClick::HideTabs:
            tabSectionShown = false;
            ApplyLayout(true);
            break;
        case HeaderClick::None: break;
    }
    shell.ShowChild(ChildWindow::StatusBar, sourceSectionShown);
}

void CVardenControlPanelDlg::ApplyLayout(bool tabSectionChanged) {
    const WindowLayout layout =
        LayoutFor(tabSectionShown, sourceSectionShown, captionExtra, backgroundWidth);
    contentHeight = layout.contentHeight;
    if (sourceSectionShown) {
        statusBarRect = layout.statusBarRect;
    }
    ResizeToLayout();
    if (tabSectionChanged) {
        // The button panel keeps the left edge and width it was given at start.
        buttonPanelRect.top = layout.buttonPanelTop;
        buttonPanelRect.bottom = layout.buttonPanelTop + kButtonPanelHeight;
        shell.MoveChild(ChildWindow::ButtonPanel, buttonPanelRect, true);
        shell.ShowChild(ChildWindow::TabPanel, layout.tabPanelShown);
    }
    RepaintBackground();
}

void CVardenControlPanelDlg::ResizeToLayout() {
    // Without the background picture the window keeps whatever size it has.
    if (backgroundBitmap) {
        shell.SetWindowSize(backgroundWidth + kWindowFrameWidth,
                            contentHeight + kNonContentHeight + captionExtra);
    }
}

void CVardenControlPanelDlg::RepaintBackground() {
    shell.RepaintBackground();
}

}  // namespace varden
