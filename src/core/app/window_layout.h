#pragma once

#include "core/platform/geometry.h"

namespace varden {

// Fixed geometry of the main window's two collapsible sections, in client coordinates.
inline constexpr int kWindowFrameWidth = 6;   // outer width minus the background width
inline constexpr int kNonContentHeight = 32;  // outer height minus the content height
inline constexpr int kUpperBarY = 0;
inline constexpr int kBackgroundY = 10;
inline constexpr int kLowerBarYBelowTabs = 203;  // lower header bar while the tabs are shown
inline constexpr int kLowerBarYAlone = 11;       // lower header bar while the tabs are hidden
inline constexpr int kBarHeight = 10;
inline constexpr int kExpandButtonX = 330;
inline constexpr int kCollapseButtonX = 345;
inline constexpr int kButtonPanelHeight = 81;
inline constexpr int kStatusBarHeight = 25;

// Everything the window looks like for one combination of the section flags.
struct WindowLayout {
    int contentHeight = 0;
    Size window;        // outer size
    int lowerBarY = 0;  // top of the lower header bar
    int buttonPanelTop = 0;
    bool tabPanelShown = false;
    bool statusBarShown = false;
    Rect statusBarRect;  // outer-window coordinates; meaningful while the bar is shown

    bool operator==(const WindowLayout&) const = default;
};

// The layout for the given section flags. `backgroundWidth` is the width of the background
// picture, which sets the window's width; `captionExtra` is how much taller than designed the
// caption and menu bar are.
WindowLayout LayoutFor(bool tabSectionShown, bool sourceSectionShown, int captionExtra,
                       int backgroundWidth);

// What a left click on the header bars asks for.
enum class HeaderClick { None, ShowSource, HideSource, ShowTabs, HideTabs };

// Tests a click at client position (x, y) against the buttons of both header bars, with the
// flags as they are. All ranges include both ends and never overlap, so at most one matches;
// the expand button of a shown section and the collapse button of a hidden one do nothing.
HeaderClick HeaderClickAt(int x, int y, bool tabSectionShown, bool sourceSectionShown);

}  // namespace varden
