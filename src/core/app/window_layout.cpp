#include "core/app/window_layout.h"

namespace varden {

namespace {

// Content height by (tabs shown, source shown); the window is this plus the frame, caption
// and menu bar.
constexpr int kContentBoth = 340;
constexpr int kContentTabsOnly = 234;
constexpr int kContentSourceOnly = 149;
constexpr int kContentNone = 42;

constexpr int kButtonPanelTopBelowTabs = 212;
constexpr int kButtonPanelTopAlone = 20;
// The status bar's rectangle is counted from the outer window's top.
constexpr int kStatusBarTopBelowContent = 7;

// Click ranges of the two buttons on a header bar, both ends included. The expand range
// reaches one pixel into the collapse button's picture; the collapse range stops one pixel
// short of its right edge.
constexpr int kExpandClickLeft = 330;
constexpr int kExpandClickRight = 345;
constexpr int kCollapseClickLeft = 346;
constexpr int kCollapseClickRight = 360;
constexpr int kBarClickHeight = 10;  // a bar at y takes clicks from y to y + 10

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

int ContentHeight(bool tabSectionShown, bool sourceSectionShown) {
    if (tabSectionShown) {
        return sourceSectionShown ? kContentBoth : kContentTabsOnly;
    }
    return sourceSectionShown ? kContentSourceOnly : kContentNone;
}

}  // namespace

WindowLayout LayoutFor(bool tabSectionShown, bool sourceSectionShown, int captionExtra,
                       int backgroundWidth) {
    WindowLayout layout;
    layout.contentHeight = ContentHeight(tabSectionShown, sourceSectionShown);
    layout.window = Size{backgroundWidth + kWindowFrameWidth,
                         layout.contentHeight + kNonContentHeight + captionExtra};
    layout.lowerBarY = tabSectionShown ? kLowerBarYBelowTabs : kLowerBarYAlone;
    layout.buttonPanelTop = tabSectionShown ? kButtonPanelTopBelowTabs : kButtonPanelTopAlone;
    layout.tabPanelShown = tabSectionShown;
    layout.statusBarShown = sourceSectionShown;
    if (sourceSectionShown) {
        layout.statusBarRect = Rect{0, layout.contentHeight + kStatusBarTopBelowContent,
                                    layout.window.width, layout.contentHeight + kNonContentHeight};
    }
    return layout;
}

HeaderClick HeaderClickAt(int x, int y, bool tabSectionShown, bool sourceSectionShown) {
    const bool onExpand = Within(x, kExpandClickLeft, kExpandClickRight);
    const bool onCollapse = Within(x, kCollapseClickLeft, kCollapseClickRight);
    const int lowerBarY = tabSectionShown ? kLowerBarYBelowTabs : kLowerBarYAlone;
    if (Within(y, lowerBarY, lowerBarY + kBarClickHeight)) {
        if (onExpand && !sourceSectionShown) {
            return HeaderClick::ShowSource;
        }
        if (onCollapse && sourceSectionShown) {
            return HeaderClick::HideSource;
        }
    }
    if (Within(y, kUpperBarY, kUpperBarY + kBarClickHeight)) {
        if (onExpand && !tabSectionShown) {
            return HeaderClick::ShowTabs;
        }
        if (onCollapse && tabSectionShown) {
            return HeaderClick::HideTabs;
        }
    }
    return HeaderClick::None;
}

}  // namespace varden
