#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/platform/geometry.h"

namespace varden {

class CIrisDialog;
class OVProperties;
class CEventEntry;
class CDataCapEntry;
class CDataCapInc;
class CMagAndFilSelection;
class CAboutDlg;

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class DialogResult { Ok, Cancel };

// The child windows of the main window that the logic positions, shows and hides.
enum class ChildWindow { ButtonPanel, TabPanel, StripChart, StatusBar };

// Everything a window does for the logic: prompts, menus, title, status bar, timer and the few
// window operations of the layout. Every prompt is modal and keeps the poll timer running, so
// the logic must read its state afresh after each call that can show something.
class Shell {
  public:
    virtual ~Shell() = default;

    // --- Prompts ---
    // A modal message box owned by the main window, without an icon.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons) = 0;
    // One modal run per dialog model: the view reads the model on opening and writes it back
    // as its fields lose the focus.
    virtual DialogResult RunModal(CIrisDialog& dialog) = 0;
    virtual DialogResult RunModal(OVProperties& dialog) = 0;
    virtual DialogResult RunModal(CEventEntry& dialog) = 0;
    virtual DialogResult RunModal(CDataCapEntry& dialog) = 0;
    virtual DialogResult RunModal(CDataCapInc& dialog) = 0;
    virtual DialogResult RunModal(CMagAndFilSelection& dialog) = 0;
    virtual DialogResult RunModal(CAboutDlg& dialog) = 0;
    // The save-file dialog of the exports ("Save File As", one "CSV (Comma delimited)(*.csv)"
    // filter, empty name, no overwrite question). Nothing when cancelled.
    virtual std::optional<std::string> AskSaveFileName() = 0;

    // --- Menus, title, status bar, timer, closing ---
    virtual void EnableMenuCommand(int commandId, bool enabled) = 0;
    virtual bool HasSystemMenu() = 0;
    virtual void AppendSystemMenuSeparator() = 0;
    virtual void AppendSystemMenuEntry(int commandId, const std::string& text) = 0;
    virtual std::string LoadStringResource(int resourceId) = 0;
    virtual void SetWindowIcon() = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    // Creates the status bar at `rect` (window coordinates) with four panes ending at the
    // given right edges.
    virtual void CreateStatusBar(const Rect& rect, const std::array<int, 4>& paneRightEdges) = 0;
    virtual void SetStatusPaneText(int pane, const std::string& text) = 0;
    virtual void StartTimer(int timerId, int periodMs) = 0;
    // Asks the window to close; the request reaches OnCancel from the event loop.
    virtual void PostCloseRequest() = 0;
    // True while the Escape key is down or when it was pressed since the last query.
    virtual bool EscapePressedSinceLastQuery() = 0;

    // --- Window layout ---
    virtual int CaptionHeight() = 0;
    virtual int MenuBarHeight() = 0;
    // The window's outer rectangle, measured from its own top-left corner.
    virtual Rect WindowRect() = 0;
    // Sets the window's outer size, keeping its position.
    virtual void SetWindowSize(int width, int height) = 0;
    // Client rectangle of the main window (its width decides the background offset).
    virtual Rect ClientRect() = 0;
    virtual Rect ChildRect(ChildWindow child) = 0;
    virtual void MoveChild(ChildWindow child, const Rect& rect, bool repaint) = 0;
    virtual void ShowChild(ChildWindow child, bool visible) = 0;
    // Makes the tab panel's window the parent of the strip chart.
    virtual void ParentStripChartToTabPanel() = 0;
    // Loads bitmap resource `resourceId`; its size, or nothing when it cannot be loaded.
    virtual std::optional<Size> LoadBitmap(int resourceId) = 0;
    // Redraws the whole client area, background included.
    virtual void InvalidateAll() = 0;
    // Redraws the background at once (header bars, buttons, background picture).
    virtual void RepaintBackground() = 0;
};

}  // namespace varden
