#include <gtest/gtest.h>

#include "core/app/command_ids.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using StartUpTest = ControllerFixture;

TEST_F(StartUpTest, BindsTheThreeLibrariesInOrderAndStartsTheTimer) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dlg.lampBound && dlg.meterBound && dlg.ledBound);
    EXPECT_EQ(log.Matching({"loader."}),
              (std::vector<std::string>{
                  "loader.ReadVersion(Orvane ovata.dll)", "loader.Load(Orvane ovata.dll)",
                  "loader.ReadVersion(VardenComm.dll)", "loader.Load(VardenComm.dll)",
                  "loader.ReadVersion(Tarsa-Comm.dll)", "loader.Load(Tarsa-Comm.dll)"}));
    EXPECT_EQ(shell.windowTitle, "Orvane Control Panel");
    EXPECT_EQ(shell.timerPeriod, 100);
    EXPECT_FALSE(shell.closeRequested);
    // OnInitDialog polls no instrument: the lamp and meter get one refresh each at binding.
    EXPECT_EQ(log.Matching({"lamp.", "meter.", "led."}),
              (std::vector<std::string>{"lamp.UpdateData()", "meter.UpdateData()",
                                        "meter.GetNumDevicesConnected()"}));
}

TEST(StartUpFailureTest, FirstFailingLibraryEndsStartUpBeforeTheNextIsTouched) {
    struct Case {
        const char* file;
        std::vector<std::string> loaderCalls;
        const char* message;
    };
    const Case cases[] = {
        {"Orvane ovata.dll",
         {"loader.ReadVersion(Orvane ovata.dll)"},
         "shell.ShowMessage(Unable to obtain DLL version information!|Orvane ovata.DLL Module "
         "load failure)"},
        {"VardenComm.dll",
         {"loader.ReadVersion(Orvane ovata.dll)", "loader.Load(Orvane ovata.dll)",
          "loader.ReadVersion(VardenComm.dll)"},
         "shell.ShowMessage(Unable to obtain DLL version information!|Varden.DLL Module load "
         "failure)"},
    };
    for (const Case& c : cases) {
        ControllerHarness h;
        h.loader.files.erase(c.file);
        EXPECT_TRUE(h.Start());
        EXPECT_EQ(h.log.Matching({"loader."}), c.loaderCalls) << c.file;
        EXPECT_EQ(h.log.Matching({"shell.ShowMessage"}), std::vector<std::string>{c.message});
        EXPECT_TRUE(h.shell.closeRequested);
        EXPECT_EQ(h.shell.timerPeriod, 0);
        EXPECT_FALSE(h.shell.statusBarCreated);
    }
}

TEST_F(StartUpTest, AddsTheSystemMenuEntriesUnlessTheirTextIsEmpty) {
    Start();
    EXPECT_EQ(log.Matching({"shell.AppendSystem"}),
              (std::vector<std::string>{
                  "shell.AppendSystemMenuEntry(48,Orvane ovata Properties...)",
                  "shell.AppendSystemMenuSeparator()",
                  "shell.AppendSystemMenuEntry(16,&About Orvane Control Panel...)"}));
}

TEST(StartUpSystemMenuTest, EmptyAboutTextLeavesOnlyThePropertiesEntry) {
    ControllerHarness f;
    f.shell.aboutString.clear();
    f.dlg.OnInitDialog();
    EXPECT_EQ(
        f.log.Matching({"shell.AppendSystem"}),
        (std::vector<std::string>{"shell.AppendSystemMenuEntry(48,Orvane ovata Properties...)"}));
}

TEST_F(StartUpTest, GreysBothCommandGroupsAndSetsTheStatusPanes) {
    Start();
    const int group[] = {kCmdModifyWavelengths,
                         kCmdModifyMagnifications,
                         kCmdModifyIntensityIncrement,
                         kCmdSavePowerSnapshotAs,
                         kCmdShutdownPowerMeter,
                         kCmdSuspendPowerMeter,
                         kCmdWakeupPowerMeter,
                         kCmdSetRtcToPcClock,
                         kCmdClearFavouriteWavelengths,
                         kCmdAbortCapture,
                         kCmdDownloadDataLog,
                         kCmdClearDataLog,
                         kCmdSaveDataLogAs,
                         kCmdAutoCapture,
                         kCmdClearCaptures,
                         kCmdSaveStabilityGraphDataAs};
    std::vector<std::string> expected;
    for (int id : group) {
        expected.push_back(Call("shell.EnableMenuCommand", id, false));
    }
    EXPECT_EQ(log.Matching({"shell.EnableMenuCommand"}), expected);
    EXPECT_FALSE(shell.menuEnabled.count(kCmdExit));
    EXPECT_FALSE(shell.menuEnabled.count(kCmdAbout));
    EXPECT_EQ(shell.statusPanes, (std::map<int, std::string>{
                                     {0, "Not Calibrated"}, {1, "0 hrs"}, {2, ""}, {3, "0%"}}));
}

TEST_F(StartUpTest, ConfiguresTheStripChartAndHidesItOnTheTabPanel) {
    Start();
    EXPECT_EQ(log.Matching({"chart."}),
              (std::vector<std::string>{"chart.SetYAxisRange(-10,10)", "chart.SetXAxisRange(0,1)",
                                        "chart.SetYAxisTitle(%)"}));
    EXPECT_EQ(shell.childRects[ChildWindow::StripChart], (Rect{50, 15, 330, 145}));
    EXPECT_FALSE(shell.childVisible[ChildWindow::StripChart]);
    EXPECT_TRUE(log.Contains("shell.ParentStripChartToTabPanel()"));
    EXPECT_EQ(shell.childRects[ChildWindow::TabPanel], (Rect{7, 12, 361, 202}));
    EXPECT_TRUE(dlg.axesPending);
    EXPECT_EQ(dlg.sampleInterval, 10);
    EXPECT_EQ(dlg.intensityAxis, 10);
}

// Caption plus menu-bar height decides how much taller than designed the window gets.
struct CaptionCase {
    int caption;
    int menu;
    int expectedExtra;
    int expectedPanelTop;
    int expectedHeight;
};

TEST(CaptionExtra, TableOfCases) {
    for (CaptionCase c : {CaptionCase{23, 20, 0, 212, 372}, CaptionCase{26, 20, 0, 212, 372},
                          CaptionCase{30, 20, 4, 216, 376}}) {
        ControllerHarness f;
        f.shell.captionHeight = c.caption;
        f.shell.menuBarHeight = c.menu;
        f.dlg.OnInitDialog();
        SCOPED_TRACE(c.caption + c.menu);
        EXPECT_EQ(f.dlg.captionExtra, c.expectedExtra);
        EXPECT_EQ(f.shell.childRects[ChildWindow::ButtonPanel].top, c.expectedPanelTop);
        EXPECT_EQ(f.shell.childRects[ChildWindow::ButtonPanel].Height(), 81);
        EXPECT_EQ(f.shell.windowRect.Height(), c.expectedHeight);
        EXPECT_EQ(f.shell.windowRect.Width(), 376);
        EXPECT_TRUE(f.log.Contains(Call("tab.SetCaptionHeight", c.caption + c.menu)));
    }
}

TEST_F(StartUpTest, StatusBarPanesEndAtFifthsOfTheWindowWidth) {
    Start();
    EXPECT_EQ(shell.paneEdges, (std::array<int, 4>{150, 225, 300, 375}));
    EXPECT_EQ(dlg.statusBarRect, (Rect{0, 347, 376, 372}));
}

TEST_F(StartUpTest, CaptionHeightIsReadAgainWhileImplausible) {
    shell.captionHeightReads = {20000, 65000, 30};
    Start();
    EXPECT_EQ(dlg.captionExtra, 4);
    EXPECT_TRUE(shell.captionHeightReads.empty());
}

TEST_F(StartUpTest, EnterAndEscapeLeaveThePanelOpenExitAndCloseEndIt) {
    Start();
    dlg.OnOK();
    EXPECT_FALSE(dlg.Ended());

    shell.escapePressed = true;
    EXPECT_FALSE(dlg.OnCancel());
    EXPECT_FALSE(dlg.Ended());

    dlg.OnMenuCommand(kCmdExit);
    EXPECT_TRUE(shell.closeRequested);
    EXPECT_TRUE(dlg.OnCancel());
    EXPECT_TRUE(dlg.Ended());
}

}  // namespace
}  // namespace varden::testing
