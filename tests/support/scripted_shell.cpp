#include "support/scripted_shell.h"

#include "core/app/about_dlg.h"
#include "core/snapshot/data_cap_entry.h"
#include "core/snapshot/data_cap_inc.h"
#include "core/snapshot/mag_and_fil_selection.h"
#include "core/source/iris_dialog.h"
#include "core/source/ov_properties.h"
#include "core/stability/event_entry.h"

namespace varden::testing {

std::string ChildName(ChildWindow child) {
    switch (child) {
        case ChildWindow::ButtonPanel: return "ButtonPanel";
        case ChildWindow::TabPanel: return "TabPanel";
        case ChildWindow::StripChart: return "StripChart";
        case ChildWindow::StatusBar: return "StatusBar";
    }
    return "?";
}

namespace {

std::string RectText(const Rect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok: return "Ok";
        case MessageAnswer::Yes: return "Yes";
        case MessageAnswer::No: return "No";
        case MessageAnswer::Cancel: return "Cancel";
    }
    return "?";
}

}  // namespace

void ScriptedShell::OpenPrompt(const std::string& entry) {
    log_.Add(entry);
    if (duringPrompt) {
        duringPrompt(entry);
    }
}

MessageAnswer ScriptedShell::ShowMessage(const std::string& text, const std::string& caption,
                                         MessageButtons buttons) {
    OpenPrompt("shell.ShowMessage(" + text + "|" + caption + ")");
    MessageAnswer answer;
    if (!messageAnswers.empty()) {
        answer = messageAnswers.front();
        messageAnswers.pop_front();
    } else {
        answer = buttons == MessageButtons::Ok      ? MessageAnswer::Ok
                 : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                    : MessageAnswer::Cancel;
    }
    log_.Add(std::string("shell.Answer(") + AnswerName(answer) + ")");
    return answer;
}

template <typename Dialog>
DialogResult ScriptedShell::Run(const char* name, Dialog& dialog) {
    OpenPrompt(std::string("shell.RunModal(") + name + ")");
    auto& queue = dialogs_[std::type_index(typeid(Dialog))];
    DialogResult result = DialogResult::Cancel;
    if (!queue.empty()) {
        auto handler = std::any_cast<std::function<DialogResult(Dialog&)>>(queue.front());
        queue.pop_front();
        result = handler(dialog);
    }
    log_.Add(std::string("shell.Answer(") + (result == DialogResult::Ok ? "Ok" : "Cancel") + ")");
    return result;
}

DialogResult ScriptedShell::RunModal(CIrisDialog& dialog) {
    return Run("CIrisDialog", dialog);
}
DialogResult ScriptedShell::RunModal(OVProperties& dialog) {
    return Run("OVProperties", dialog);
}
DialogResult ScriptedShell::RunModal(CEventEntry& dialog) {
    return Run("CEventEntry", dialog);
}
DialogResult ScriptedShell::RunModal(CDataCapEntry& dialog) {
    return Run("CDataCapEntry", dialog);
}
DialogResult ScriptedShell::RunModal(CDataCapInc& dialog) {
    return Run("CDataCapInc", dialog);
}
DialogResult ScriptedShell::RunModal(CMagAndFilSelection& dialog) {
    return Run("CMagAndFilSelection", dialog);
}
DialogResult ScriptedShell::RunModal(CAboutDlg& dialog) {
    return Run("CAboutDlg", dialog);
}

std::optional<std::string> ScriptedShell::AskSaveFileName() {
    OpenPrompt("shell.AskSaveFileName()");
    std::optional<std::string> path;
    if (!savePaths.empty()) {
        path = savePaths.front();
        savePaths.pop_front();
    }
    log_.Add("shell.Answer(" + path.value_or("<cancelled>") + ")");
    return path;
}

void ScriptedShell::EnableMenuCommand(int commandId, bool enabled) {
    log_.Add(Call("shell.EnableMenuCommand", commandId, enabled));
    menuEnabled[commandId] = enabled;
}

bool ScriptedShell::HasSystemMenu() {
    return hasSystemMenu;
}

void ScriptedShell::AppendSystemMenuSeparator() {
    log_.Add("shell.AppendSystemMenuSeparator()");
}

void ScriptedShell::AppendSystemMenuEntry(int commandId, const std::string& text) {
    log_.Add(Call("shell.AppendSystemMenuEntry", commandId, text));
}

std::string ScriptedShell::LoadStringResource(int resourceId) {
    return resourceId == 101 ? aboutString : std::string();
}

void ScriptedShell::SetWindowIcon() {
    log_.Add("shell.SetWindowIcon()");
}

void ScriptedShell::SetWindowTitle(const std::string& title) {
    log_.Add(Call("shell.SetWindowTitle", title));
    windowTitle = title;
}

void ScriptedShell::CreateStatusBar(const Rect& rect, const std::array<int, 4>& paneRightEdges) {
    log_.Add(Call("shell.CreateStatusBar", RectText(rect), paneRightEdges[0], paneRightEdges[1],
                  paneRightEdges[2], paneRightEdges[3]));
    statusBarCreated = true;
    paneEdges = paneRightEdges;
    childRects[ChildWindow::StatusBar] = rect;
    childVisible[ChildWindow::StatusBar] = true;
}

void ScriptedShell::SetStatusPaneText(int pane, const std::string& text) {
    log_.Add(Call("shell.SetStatusPaneText", pane, text));
    statusPanes[pane] = text;
}

void ScriptedShell::StartTimer(int timerId, int periodMs) {
    log_.Add(Call("shell.StartTimer", timerId, periodMs));
    timerPeriod = periodMs;
}

void ScriptedShell::PostCloseRequest() {
    log_.Add("shell.PostCloseRequest()");
    closeRequested = true;
}

bool ScriptedShell::EscapePressedSinceLastQuery() {
    bool pressed = escapePressed;
    escapePressed = false;
    return pressed;
}

int ScriptedShell::CaptionHeight() {
    if (!captionHeightReads.empty()) {
        int height = captionHeightReads.front();
        captionHeightReads.pop_front();
        return height;
    }
    return captionHeight;
}
int ScriptedShell::MenuBarHeight() {
    return menuBarHeight;
}
Rect ScriptedShell::WindowRect() {
    return windowRect;
}

void ScriptedShell::SetWindowSize(int width, int height) {
    log_.Add(Call("shell.SetWindowSize", width, height));
    windowRect.right = windowRect.left + width;
    windowRect.bottom = windowRect.top + height;
}

Rect ScriptedShell::ClientRect() {
    return Rect{0, 0, windowRect.Width() - 6, windowRect.Height()};
}

Rect ScriptedShell::ChildRect(ChildWindow child) {
    return childRects[child];
}

void ScriptedShell::MoveChild(ChildWindow child, const Rect& rect, bool repaint) {
    log_.Add(Call("shell.MoveChild", ChildName(child), RectText(rect), repaint));
    childRects[child] = rect;
}

void ScriptedShell::ShowChild(ChildWindow child, bool visible) {
    log_.Add(Call("shell.ShowChild", ChildName(child), visible));
    childVisible[child] = visible;
}

void ScriptedShell::ParentStripChartToTabPanel() {
    log_.Add("shell.ParentStripChartToTabPanel()");
}

std::optional<Size> ScriptedShell::LoadBitmap(int resourceId) {
    auto found = bitmaps.find(resourceId);
    if (found == bitmaps.end()) {
        return std::nullopt;
    }
    return found->second;
}

void ScriptedShell::InvalidateAll() {
    log_.Add("shell.InvalidateAll()");
}

void ScriptedShell::RepaintBackground() {
    log_.Add("shell.RepaintBackground()");
}

}  // namespace varden::testing
