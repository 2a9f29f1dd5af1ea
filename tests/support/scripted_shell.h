#pragma once

#include <any>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <typeindex>

#include "core/platform/shell.h"
#include "support/call_log.h"

namespace varden::testing {

// A window for tests: prompts are answered from queues, every call is logged
// ("shell.ShowMessage(Do you want to turn off the lamp?|Lamp Off Confirmation)",
// "shell.RunModal(CIrisDialog)", "shell.EnableMenuCommand(32779,0)"), and the window
// operations keep a simple state that tests can read.
//
// While a prompt is "open", `duringPrompt` runs (if set) before the answer is given: a test
// uses it to run poll ticks, advance the clock or change the instruments, as the timer does
// behind a real modal prompt.
class ScriptedShell : public Shell {
  public:
    explicit ScriptedShell(CallLog& log) : log_(log) {}

    // ---- scripting ----
    // Answers for message boxes, in order. With none queued: OK for an OK box, No for
    // Yes/No, Cancel for Yes/No/Cancel.
    std::deque<MessageAnswer> messageAnswers;
    // Paths for the save-file dialog, in order; nothing queued (or nullopt) = cancelled.
    std::deque<std::optional<std::string>> savePaths;
    // Runs while each prompt is open, with the prompt's log entry.
    std::function<void(const std::string& prompt)> duringPrompt;
    // Scripts one run of a dialog model: the handler may change the model and gives the
    // result. With none queued a dialog is cancelled.
    template <typename Dialog>
    void QueueDialog(std::function<DialogResult(Dialog&)> handler) {
        dialogs_[std::type_index(typeid(Dialog))].push_back(std::move(handler));
    }

    // ---- state the window keeps ----
    bool hasSystemMenu = true;
    std::string aboutString = "&About Orvane Control Panel...";
    std::string windowTitle = "Varden Control Panel";
    std::map<int, bool> menuEnabled;
    std::map<int, std::string> statusPanes;
    bool statusBarCreated = false;
    std::array<int, 4> paneEdges{};
    bool closeRequested = false;
    bool escapePressed = false;
    int captionHeight = 23;
    // Caption heights for the next reads, in order; `captionHeight` once they are used up.
    std::deque<int> captionHeightReads;
    int menuBarHeight = 20;
    Rect windowRect{0, 0, 376, 340 + 32};
    std::map<ChildWindow, Rect> childRects{{ChildWindow::ButtonPanel, {0, 0, 370, 81}}};
    std::map<ChildWindow, bool> childVisible;
    std::map<int, Size> bitmaps{
        {129, {370, 193}}, {131, {370, 10}}, {132, {15, 10}}, {133, {15, 10}}};
    int timerPeriod = 0;

    // ---- Shell ----
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
    template <typename Dialog>
    DialogResult Run(const char* name, Dialog& dialog);
    void OpenPrompt(const std::string& entry);

    CallLog& log_;
    std::map<std::type_index, std::deque<std::any>> dialogs_;
};

std::string ChildName(ChildWindow child);

}  // namespace varden::testing
