#include "gui/qt_shell.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>

#include "gui/client_area.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/dialogs/about_dialog_view.h"
#include "gui/dialogs/data_cap_entry_view.h"
#include "gui/dialogs/data_cap_inc_view.h"
#include "gui/dialogs/event_entry_view.h"
#include "gui/dialogs/iris_dialog_view.h"
#include "gui/dialogs/mag_and_fil_selection_view.h"
#include "gui/dialogs/ov_properties_view.h"
#include "gui/main_window.h"
#include "gui/pane_status_bar.h"

namespace varden {

namespace {

// A classic dialog frame is 3 pixels on each side; the layout's outer sizes include it.
constexpr int kFrame = 3;
// Caption plus menu bar that the layout was drawn for.
constexpr int kDesignedCaptionAndMenu = 46;
constexpr int kStatusBarHeight = 25;

QString FromBytes(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

}  // namespace

QtShell::QtShell(MainWindow& window) : window_(window) {}

void QtShell::BeginTermination() {
    terminating_ = true;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == &window_ || !modal->close()) {
            break;
        }
    }
    // Queued as well, in case the window's own loop has not started yet.
    window_.close();
    PostCloseRequest();
}

namespace {

// What a prompt answers when it is closed without a choice.
MessageAnswer ClosedAnswer(MessageButtons buttons) {
    if (buttons == MessageButtons::YesNo) {
        return MessageAnswer::No;
    }
    return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

}  // namespace

MessageAnswer QtShell::ShowMessage(const std::string& text, const std::string& caption,
                                   MessageButtons buttons) {
    if (terminating_) {
        return ClosedAnswer(buttons);
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo) {
        standard = QMessageBox::Yes | QMessageBox::No;
    } else if (buttons == MessageButtons::YesNoCancel) {
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::NoIcon, FromBytes(caption), FromBytes(text), standard, &window_);
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: break;
    }
    // Closing a box with the window's close button answers like Escape would.
    return ClosedAnswer(buttons);
}

DialogResult QtShell::RunModal(CIrisDialog& dialog) {
    return terminating_ ? DialogResult::Cancel : RunIrisDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(OVProperties& dialog) {
    return terminating_ ? DialogResult::Cancel : RunOvPropertiesDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(CEventEntry& dialog) {
    return terminating_ ? DialogResult::Cancel : RunEventEntryDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(CDataCapEntry& dialog) {
    return terminating_ ? DialogResult::Cancel : RunDataCapEntryDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(CDataCapInc& dialog) {
    return terminating_ ? DialogResult::Cancel : RunDataCapIncDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(CMagAndFilSelection& dialog) {
    return terminating_ ? DialogResult::Cancel : RunMagAndFilSelectionDialog(dialog, &window_);
}
DialogResult QtShell::RunModal(CAboutDlg& dialog) {
    return terminating_ ? DialogResult::Cancel : RunAboutDialog(dialog, &window_);
}

std::optional<std::string> QtShell::AskSaveFileName() {
    if (terminating_) {
        return std::nullopt;
    }
    // No owner window and no overwrite question, as the exports have always behaved.
    const QString path = QFileDialog::getSaveFileName(
        nullptr, QStringLiteral("Save File As"), QString(),
        QStringLiteral("CSV (Comma delimited)(*.csv)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toLocal8Bit().toStdString();
}

void QtShell::EnableMenuCommand(int commandId, bool enabled) {
    if (QAction* action = window_.CommandAction(commandId)) {
        action->setEnabled(enabled);
    }
}

bool QtShell::HasSystemMenu() {
    return true;
}

void QtShell::AppendSystemMenuSeparator() {
    window_.AppendSystemSeparator();
}

void QtShell::AppendSystemMenuEntry(int commandId, const std::string& text) {
    window_.AppendSystemEntry(commandId, FromBytes(text));
}

std::string QtShell::LoadStringResource(int resourceId) {
    return resourceId == 101 ? "&About Orvane Control Panel..." : std::string();
}

void QtShell::SetWindowIcon() {
    window_.setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
}

void QtShell::SetWindowTitle(const std::string& title) {
    window_.setWindowTitle(FromBytes(title));
}

void QtShell::CreateStatusBar(const Rect& rect, const std::array<int, 4>& paneRightEdges) {
    window_.StatusBar().SetPaneEdges(paneRightEdges);
    MoveChild(ChildWindow::StatusBar, rect, false);
    window_.StatusBar().show();
}

void QtShell::SetStatusPaneText(int pane, const std::string& text) {
    window_.StatusBar().SetPaneText(pane, FromBytes(text));
}

void QtShell::StartTimer(int /*timerId*/, int periodMs) {
    window_.PollTimer().start(periodMs);
}

void QtShell::PostCloseRequest() {
    QMetaObject::invokeMethod(&window_, "close", Qt::QueuedConnection);
}

bool QtShell::EscapePressedSinceLastQuery() {
    return window_.TakeEscapePressed();
}

int QtShell::MenuBarHeight() {
    return window_.MenuBar().sizeHint().height();
}

int QtShell::CaptionHeight() {
    // The window manager draws the caption; count it as the part of the designed height
    // that the menu bar leaves, so a taller menu bar makes the window taller by its excess.
    return std::max(0, kDesignedCaptionAndMenu - MenuBarHeight());
}

int QtShell::NonClientHeight() {
    return 2 * kFrame + CaptionHeight() + MenuBarHeight();
}

Rect QtShell::WindowRect() {
    const QSize client = window_.Client().size();
    return Rect{0, 0, client.width() + 2 * kFrame, client.height() + NonClientHeight()};
}

void QtShell::SetWindowSize(int width, int height) {
    window_.Client().setFixedSize(std::max(0, width - 2 * kFrame),
                                  std::max(0, height - NonClientHeight()));
    // The status bar follows the bottom edge at once, before anything is drawn at the new size.
    MoveChild(ChildWindow::StatusBar, Rect{}, false);
}

Rect QtShell::ClientRect() {
    const QSize client = window_.Client().size();
    return Rect{0, 0, client.width(), client.height()};
}

QWidget* QtShell::Child(ChildWindow child) {
    switch (child) {
        case ChildWindow::ButtonPanel: return &window_.ButtonPanel();
        case ChildWindow::TabPanel: return &window_.TabPanel();
        case ChildWindow::StripChart: return &window_.StripChart();
        case ChildWindow::StatusBar: return &window_.StatusBar();
    }
    return nullptr;
}

Rect QtShell::ChildRect(ChildWindow child) {
    const QRect r = Child(child)->geometry();
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void QtShell::MoveChild(ChildWindow child, const Rect& rect, bool repaint) {
    QWidget* widget = Child(child);
    if (child == ChildWindow::StatusBar) {
        // The status bar's rectangle is kept in outer-window terms; it always sits along the
        // bottom edge of the client area, across its full width.
        const QSize client = window_.Client().size();
        widget->setGeometry(0, client.height() - kStatusBarHeight, client.width(),
                            kStatusBarHeight);
        (void)rect;
    } else {
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    }
    if (repaint) {
        widget->update();
    }
}

void QtShell::ShowChild(ChildWindow child, bool visible) {
    Child(child)->setVisible(visible);
}

void QtShell::ParentStripChartToTabPanel() {
    StripChartWidget& chart = window_.StripChart();
    const QRect geometry = chart.geometry();
    const bool visible = chart.isVisible();
    chart.setParent(window_.TabPanel().StabilityPage());
    chart.setGeometry(geometry);
    chart.setVisible(visible);
}

std::optional<Size> QtShell::LoadBitmap(int resourceId) {
    QPixmap pixmap(QStringLiteral(":/bitmaps/%1.png").arg(resourceId));
    if (pixmap.isNull()) {
        return std::nullopt;
    }
    window_.Bitmaps()[resourceId] = pixmap;
    return Size{pixmap.width(), pixmap.height()};
}

void QtShell::InvalidateAll() {
    window_.Client().update();
}

void QtShell::RepaintBackground() {
    window_.Client().repaint();
}

}  // namespace varden
