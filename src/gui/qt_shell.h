#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class MainWindow;

// The window's services for the logic, on Qt. The layout's window sizes are outer sizes as a
// classic framed window has them (a 3-pixel border, the caption and the menu bar); they are
// mapped onto the client area below the real menu bar, so every client position holds exactly.
class QtShell : public Shell {
  public:
    explicit QtShell(MainWindow& window);

    // The program is asked to end (SIGTERM): open prompts are closed and new ones are answered
    // at once as if cancelled, so the window can close and the sources be released.
    void BeginTermination();

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override;
    DialogResult RunModal(CIrisDialog& dialog) override;
    DialogResult RunModal(OVProperties& dialog) override;
    DialogResult RunModal(CEventEntry& dialog) override;
    DialogResult RunModal(CDataCapEntry& dialog) override;
    DialogResult RunModal(CDataCapInc& dialog) override;
    DialogResult RunModal(CMagAndFilSelection& dialog) override;
    DialogResult RunModal(CAboutDlg& dialog) override;
    std::optional<std::string> AskSaveFileName() override;
    void EnableMenuCommand(int commandId, bool enabled) override;
    bool HasSystemMenu() override;
    void AppendSystemMenuSeparator() override;
    void AppendSystemMenuEntry(int commandId, const std::string& text) override;
    std::string LoadStringResource(int resourceId) override;
    void SetWindowIcon() override;
    void SetWindowTitle(const std::string& title) override;
    void CreateStatusBar(const Rect& rect, const std::array<int, 4>& paneRightEdges) override;
    void SetStatusPaneText(int pane, const std::string& text) override;
    void StartTimer(int timerId, int periodMs) override;
    void PostCloseRequest() override;
    bool EscapePressedSinceLastQuery() override;
    int CaptionHeight() override;
    int MenuBarHeight() override;
    Rect WindowRect() override;
    void SetWindowSize(int width, int height) override;
    Rect ClientRect() override;
    Rect ChildRect(ChildWindow child) override;
    void MoveChild(ChildWindow child, const Rect& rect, bool repaint) override;
    void ShowChild(ChildWindow child, bool visible) override;
    void ParentStripChartToTabPanel() override;
    std::optional<Size> LoadBitmap(int resourceId) override;
    void InvalidateAll() override;
    void RepaintBackground() override;

  private:
    // Frame, caption and menu bar together, as the outer sizes count them.
    int NonClientHeight();
    QWidget* Child(ChildWindow child);

    MainWindow& window_;
    bool terminating_ = false;
};

}  // namespace varden
