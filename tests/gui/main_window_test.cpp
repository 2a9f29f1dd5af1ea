#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "core/app/command_ids.h"
#include "gui/client_area.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/pane_status_bar.h"
#include "gui/window_harness.h"

namespace varden::testing {
namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

TEST(MainWindowTest, MenuBarHoldsEveryCommandGreyedAfterStart) {
    WindowHarness h;
    QStringList tops;
    for (QAction* action : h.window.MenuBar().actions()) {
        tops << action->text();
    }
    EXPECT_EQ(tops, (QStringList{"File", "Data Log", "Power SnapShot", "Power Meter", "Help"}));
    EXPECT_EQ(h.window.CommandAction(kCmdDownloadDataLog)->text(), "Download Irvel STORE Data Log");
    EXPECT_FALSE(h.window.CommandAction(kCmdAutoCapture)->isEnabled());
    EXPECT_FALSE(h.window.CommandAction(kCmdSaveStabilityGraphDataAs)->isEnabled());
    EXPECT_TRUE(h.window.CommandAction(kCmdExit)->isEnabled());
    EXPECT_TRUE(h.window.CommandAction(kCmdAbout)->isEnabled());
    QMenu* help = h.window.MenuBar().actions().last()->menu();
    EXPECT_EQ(MenuTexts(help), (QStringList{"About", "Orvane ovata Properties...", "-",
                                            "&About Orvane Control Panel..."}));
    EXPECT_EQ(h.window.windowTitle(), "Orvane Control Panel");
}

TEST(MainWindowTest, StatusBarRunsAlongTheBottomWithItsStartTexts) {
    WindowHarness h;
    PaneStatusBar& bar = h.window.StatusBar();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.geometry().bottom() + 1, h.window.Client().height());
    EXPECT_EQ(bar.width(), h.window.Client().width());
    EXPECT_EQ(bar.PaneText(0), "Not Calibrated");
    EXPECT_EQ(bar.PaneText(1), "0 hrs");
    EXPECT_EQ(bar.PaneText(3), "0%");
    EXPECT_EQ(h.window.Client().width(), 370);
    EXPECT_EQ(h.window.ButtonPanel().geometry(), QRect(0, 212, 370, 81));
    EXPECT_EQ(h.window.TabPanel().geometry(), QRect(7, 12, 354, 190));
}

TEST(MainWindowTest, EnterAndEscapeLeaveItOpenCloseEndsIt) {
    WindowHarness h;
    QTest::keyClick(&h.window, Qt::Key_Return);
    QTest::keyClick(&h.window, Qt::Key_Escape);
    EXPECT_TRUE(h.window.isVisible());
    EXPECT_FALSE(h.dlg.Ended());

    h.window.close();
    EXPECT_FALSE(h.window.isVisible());
    EXPECT_TRUE(h.dlg.Ended());
}

TEST(MainWindowTest, ExitCommandClosesThroughTheEventLoop) {
    WindowHarness h;
    h.window.CommandAction(kCmdExit)->trigger();
    EXPECT_TRUE(h.window.isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.dlg.Ended());
    EXPECT_FALSE(h.window.isVisible());
}

TEST(MainWindowTest, TimerTicksTheController) {
    WindowHarness h;
    h.log.Clear();
    EXPECT_TRUE(h.window.PollTimer().isActive());
    EXPECT_EQ(h.window.PollTimer().interval(), 100);
    QTest::qWait(350);
    EXPECT_GE(h.log.Count("lamp.GetNumDevicesConnected()"), 2);
}

}  // namespace
}  // namespace varden::testing
