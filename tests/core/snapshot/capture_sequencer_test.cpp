#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/command_ids.h"
#include "core/snapshot/mag_and_fil_selection.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kStartError =
    "shell.ShowMessage(Please ensure that an ovata/Tarsa and an Irvel are connected before "
    "initiating an automated data capture.|Error)";
const std::string kAbortQuestion =
    "shell.ShowMessage(Do you want to abort the Power Snapshot in progress?|Power Snapshot "
    "Confirmation)";

// A controller with a power meter, a snapshot table of two wavelengths and two
// magnifications, and the power-meter commands enabled as they are while a meter is connected.
struct CaptureBench : ControllerHarness {
    static constexpr int kLockedCommands[] = {
        kCmdModifyWavelengths, kCmdModifyMagnifications, kCmdModifyIntensityIncrement,
        kCmdAutoCapture,       kCmdClearCaptures,        kCmdSavePowerSnapshotAs};

    CaptureBench() {
        InstallDrivers();
        fake.meter.Attach(0);
        tab.filters = {405, 488};
        tab.magnifications = {10, 40};
        SetAxis(25);
        dlg.EnableCommandGroup(CommandGroup::PowerMeter, true);
        log.Clear();
    }

    void SetAxis(uint16_t word) {
        dlg.intensityAxis = word;
        tab.intensityAxis = word;
    }

    // The selection dialog answers OK with this column.
    void ChooseColumn(uint16_t wavelengthIndex, uint16_t magnificationIndex) {
        shell.QueueDialog<CMagAndFilSelection>(
            [wavelengthIndex, magnificationIndex](CMagAndFilSelection& selection) {
                selection.m_wavelengthIndex = wavelengthIndex;
                selection.m_magnificationIndex = magnificationIndex;
                return DialogResult::Ok;
            });
    }

    void StartLampCapture() {
        fake.lamp.Attach(0);
        ChooseColumn(1, 1);
        dlg.OnAutoCapture();
        ASSERT_TRUE(dlg.captureRunning);
        log.Clear();
    }

    // One tick as far as a capture sees it: the source poll leaves the shutter state and the
    // meter poll a reading of 0.1 mW per percent of the source's level; then the capture step.
    void CaptureTicks(int count) {
        for (int i = 0; i < count; ++i) {
            clock.milliseconds += 100;
            clock.now += clock.milliseconds / 1000;
            clock.milliseconds %= 1000;
            const FakeSource& source = fake.lamp.Active(dlg.lampDevice)
                                           ? fake.lamp.At(dlg.lampDevice)
                                           : fake.led.At(dlg.ledDevice);
            dlg.shutterOpen = source.status[3];
            dlg.meterPower = static_cast<float>(source.percent) * 1e-4f;
            if (dlg.captureRunning) {
                dlg.CaptureStep();
            }
        }
    }

    // The log without the presence queries that every action makes.
    Lines Actions() const {
        return log.Without(
            {"lamp.DeviceActive", "led.DeviceActive", "meter.DeviceActive", "shell.ShowChild"});
    }

    static Lines LockedCommands(bool enabled) {
        Lines calls;
        for (int id : kLockedCommands) {
            calls.push_back(Call("shell.EnableMenuCommand", id, enabled));
        }
        return calls;
    }

    bool AnyLockedCommandEnabled() {
        for (int id : kLockedCommands) {
            if (shell.menuEnabled[id]) {
                return true;
            }
        }
        return false;
    }
};

class CaptureTest : public ::testing::Test, public CaptureBench {};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(CaptureTest, LampCaptureStartsInOrderAndTakesRemoteControl) {
    fake.lamp.Attach(0);
    dlg.feedbackOn = 1;
    ChooseColumn(1, 0);
    dlg.OnAutoCapture();

    EXPECT_EQ(
        Actions(),
        Concat({{"lamp.TurnCLFOff(0)"},
                LockedCommands(false),
                {"lamp.ClearCalibration(0)", "tab.SelectPage(4)", "tab.GetMagnificationList()",
                 "tab.GetFilterList()", "shell.RunModal(CMagAndFilSelection)", "shell.Answer(Ok)",
                 "tab.BeginCapture()", "tab.SelectCaptureColumn(1,0)", "lamp.SendConnect(0)",
                 "lamp.EnablePCShutterControl(0)", "lamp.OpenShutter(0)"}}))
        << log.Dump();
    EXPECT_TRUE(dlg.captureRunning);
    EXPECT_EQ(dlg.captureLevel, 0);
}

TEST_F(CaptureTest, SelectionDialogShowsThePanelsLists) {
    fake.lamp.Attach(0);
    std::vector<std::string> magnifications, wavelengths;
    shell.QueueDialog<CMagAndFilSelection>([&](CMagAndFilSelection& selection) {
        selection.Open();
        magnifications = selection.MagnificationItems();
        wavelengths = selection.WavelengthItems();
        return DialogResult::Cancel;
    });
    dlg.OnAutoCapture();
    EXPECT_EQ(magnifications, (Lines{"10X", "40X"}));
    EXPECT_EQ(wavelengths, (Lines{"405nm", "488nm"}));
}

// Each level is set, left 31 ticks to settle and recorded on the 33rd tick with the reading
// that belongs to it; the capture ends after the last row of the table and never asks the
// source for more than 100 %.
TEST(CaptureRunTest, WholeLampCaptureRecordsEveryRowOfTheTableOnce) {
    struct Case {
        uint16_t increment;
        std::vector<int> levels;
    };
    for (const Case& c :
         {Case{25, {0, 25, 50, 75, 100}}, Case{100, {0, 100}}, Case{30, {0, 30, 60, 90}}}) {
        SCOPED_TRACE(c.increment);
        CaptureBench b;
        b.SetAxis(c.increment);
        b.StartLampCapture();

        const int ticks = 33 * static_cast<int>(c.levels.size());
        b.CaptureTicks(ticks - 1);
        EXPECT_TRUE(b.dlg.captureRunning);
        b.CaptureTicks(1);
        EXPECT_FALSE(b.dlg.captureRunning);

        Lines expected;
        for (int level : c.levels) {
            expected.push_back(Call("lamp.SetPercentageLevel", 0, level));
            expected.push_back(Call("tab.AddCapturePoint", level, level * 1e-4f));
        }
        expected.insert(expected.end(), {"tab.SetCaptureState(0)", "tab.EndCapture()",
                                         "lamp.CloseShutter(0)", "lamp.SetPercentageLevel(0,0)",
                                         "lamp.DisableShutterControl(0)", "lamp.DisconnectPC(0)"});
        for (const std::string& call : CaptureBench::LockedCommands(true)) {
            expected.push_back(call);
        }
        EXPECT_EQ(b.Actions(), expected) << b.log.Dump();
        EXPECT_EQ(b.tab.captureDepth, 0);
        EXPECT_EQ(b.tab.cells.size(), c.levels.size());

        // Nothing more happens once it has finished.
        b.log.Clear();
        b.CaptureTicks(50);
        EXPECT_EQ(b.Actions(), Lines{});
    }
}

// The same through the poll cycle: the meter poll keeps the reading fresh and every tick ends
// with one capture step. The meter here reads 0.1 mW per percent of the lamp's level.
using CapturePollTest = ControllerFixture;

TEST_F(CapturePollTest, CaptureThroughThePollCycleFillsItsColumnAndReleasesTheLamp) {
    InstallDrivers();
    fake.lamp.Attach(0);
    fake.meter.Attach(0);
    fake.Override(&MeterApi::GetOutputPower, [this](unsigned short, float* watts) {
        *watts = static_cast<float>(fake.lamp[0].percent) * 1e-4f;
        return 1;
    });
    Ticks(2);  // restores the axes (increment 10) and connects both instruments
    ASSERT_EQ(dlg.intensityAxis, 10);
    shell.QueueDialog<CMagAndFilSelection>([](CMagAndFilSelection& selection) {
        selection.m_wavelengthIndex = 2;
        selection.m_magnificationIndex = 1;
        return DialogResult::Ok;
    });
    dlg.OnMenuCommand(kCmdAutoCapture);
    ASSERT_TRUE(dlg.captureRunning);

    Ticks(11 * 33);

    EXPECT_FALSE(dlg.captureRunning);
    for (int row = 0; row <= 10; ++row) {
        EXPECT_FLOAT_EQ((tab.cells[{2, 1, row}]), static_cast<float>(row * 10) * 1e-4f) << row;
    }
    EXPECT_EQ(tab.cells.size(), 11u);
    EXPECT_EQ(fake.lamp[0].status[3], 0);  // shutter closed
    EXPECT_EQ(fake.lamp[0].percent, 0);
    EXPECT_EQ(log.Count("lamp.DisconnectPC(0)"), 1);
    EXPECT_TRUE(shell.menuEnabled[kCmdAutoCapture]);
}

// The LED source is never set to 0 %: level 0 closes its shutter and sets 1 %, and the next
// level opens the shutter again because the poll reports it closed.
TEST_F(CaptureTest, LedCaptureClosesTheShutterForLevelZero) {
    fake.led.Attach(0);
    SetAxis(50);
    ChooseColumn(0, 0);
    dlg.OnAutoCapture();
    EXPECT_EQ(log.Matching({"led."}),
              (Lines{"led.DeviceActive(0)", "led.DeviceActive(0)", "led.ClearCalibration(0)",
                     "led.DeviceActive(0)", "led.SendConnect(0)", "led.OpenShutter(0)"}));
    log.Clear();

    CaptureTicks(3 * 33);

    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_EQ(log.Without({"led.DeviceActive", "lamp.DeviceActive", "shell.EnableMenuCommand"}),
              (Lines{"led.CloseShutter(0)", "led.SetPercentageLevel(0,1)",
                     "tab.AddCapturePoint(0,0.0001)", "led.OpenShutter(0)",
                     "led.SetPercentageLevel(0,50)", "tab.AddCapturePoint(50,0.005)",
                     "led.SetPercentageLevel(0,100)", "tab.AddCapturePoint(100,0.01)",
                     "tab.SetCaptureState(0)", "tab.EndCapture()", "led.CloseShutter(0)",
                     "led.SetPercentageLevel(0,1)", "led.DisableShutterControl(0)"}))
        << log.Dump();
}

TEST(CaptureStartTest, ChecksStopBeforeAnythingIsSent) {
    struct Case {
        const char* name;
        uint16_t axis;
        bool lamp;
        bool meter;
        uint8_t calibrationHours;
        MessageAnswer answer;
        Lines messages;
    };
    const std::string scanError =
        "shell.ShowMessage(An Orvane Auto Capture cannot be performed with manually entered "
        "intensities!|Scan Error)";
    const std::string calibrationQuestion =
        "shell.ShowMessage(Performing a capture clears the calibration, Do you wish to "
        "proceed?|Scan Confirmation)";
    const Case cases[] = {
        {"label mode", 103, true, true, 5, MessageAnswer::Yes, {scanError}},
        {"calibration kept", 25, true, true, 5, MessageAnswer::No, {calibrationQuestion}},
        {"only the meter", 25, false, true, 0, MessageAnswer::Ok, {kStartError}},
        {"no meter", 25, true, false, 0, MessageAnswer::Ok, {kStartError}},
        {"calibration cleared, no meter",
         25,
         true,
         false,
         5,
         MessageAnswer::Yes,
         {calibrationQuestion, kStartError}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CaptureBench h;
        if (c.lamp) {
            h.fake.lamp.Attach(0);
        }
        if (!c.meter) {
            h.fake.meter.Detach(0);
        }
        h.dlg.intensityAxis = c.axis;
        h.dlg.calibrationHours = c.calibrationHours;
        h.dlg.feedbackOn = 1;
        h.shell.messageAnswers = {c.answer, c.answer};
        h.dlg.OnAutoCapture();

        EXPECT_EQ(h.log.Matching({"shell.ShowMessage"}), c.messages);
        EXPECT_EQ(h.log.Without({"shell.ShowMessage", "shell.Answer", "lamp.DeviceActive",
                                 "led.DeviceActive", "meter.DeviceActive"}),
                  Lines{})
            << h.log.Dump();
        EXPECT_FALSE(h.dlg.captureRunning);
        EXPECT_FALSE(h.dlg.captureLocked);
    }
}

TEST_F(CaptureTest, SecondStartDuringACaptureDoesNothing) {
    StartLampCapture();
    dlg.OnAutoCapture();
    EXPECT_EQ(Actions(), Lines{});
    EXPECT_EQ(tab.captureDepth, 1);
}

TEST_F(CaptureTest, ConfirmedCalibrationQuestionGoesOnToTheSelection) {
    fake.lamp.Attach(0);
    dlg.calibrationHours = 12;
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnAutoCapture();
    EXPECT_TRUE(log.Contains("lamp.ClearCalibration(0)"));
    EXPECT_TRUE(log.Contains("shell.RunModal(CMagAndFilSelection)"));
}

TEST_F(CaptureTest, CancelledSelectionGivesTheCommandsBackAndLeavesTheSourceCleared) {
    fake.lamp.Attach(0);
    dlg.feedbackOn = 1;
    dlg.OnAutoCapture();  // no dialog answer queued: Cancel

    EXPECT_EQ(Actions(), Concat({{"lamp.TurnCLFOff(0)"},
                                 LockedCommands(false),
                                 {"lamp.ClearCalibration(0)", "tab.SelectPage(4)",
                                  "tab.GetMagnificationList()", "tab.GetFilterList()",
                                  "shell.RunModal(CMagAndFilSelection)", "shell.Answer(Cancel)"},
                                 LockedCommands(true)}));
    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_FALSE(dlg.captureLocked);
    EXPECT_EQ(tab.captureDepth, 0);
}

// A meter that goes and comes back while the capture holds its commands enables the rest of
// the meter group only; the six follow when the capture ends.
TEST_F(CaptureTest, ReturningMeterLeavesTheCaptureCommandsGreyed) {
    fake.lamp.Attach(0);
    ChooseColumn(0, 0);
    shell.duringPrompt = [this](const std::string&) {
        dlg.EnableCommandGroup(CommandGroup::PowerMeter, false);
        dlg.EnableCommandGroup(CommandGroup::PowerMeter, true);
    };
    dlg.OnAutoCapture();
    shell.duringPrompt = nullptr;
    EXPECT_FALSE(AnyLockedCommandEnabled());

    dlg.EnableCommandGroup(CommandGroup::PowerMeter, false);
    dlg.EnableCommandGroup(CommandGroup::PowerMeter, true);
    EXPECT_FALSE(AnyLockedCommandEnabled());
    EXPECT_TRUE(shell.menuEnabled[kCmdAbortCapture]);
    EXPECT_TRUE(shell.menuEnabled[kCmdDownloadDataLog]);

    CaptureTicks(5 * 33);
    EXPECT_FALSE(dlg.captureRunning);
    for (int id : kLockedCommands) {
        EXPECT_TRUE(shell.menuEnabled[id]) << id;
    }
}

TEST_F(CaptureTest, CaptureEndingWithoutAMeterLeavesItsCommandsGreyed) {
    StartLampCapture();
    dlg.EnableCommandGroup(CommandGroup::PowerMeter, false);
    CaptureTicks(5 * 33);
    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_FALSE(AnyLockedCommandEnabled());
    dlg.EnableCommandGroup(CommandGroup::PowerMeter, true);
    for (int id : kLockedCommands) {
        EXPECT_TRUE(shell.menuEnabled[id]) << id;
    }
}

TEST_F(CaptureTest, ConfirmedAbortFinishesAndKeepsTheRecordedPoints) {
    StartLampCapture();
    CaptureTicks(40);  // level 0 recorded, level 25 settling
    log.Clear();
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnAbortCapture();

    EXPECT_EQ(Actions(),
              Concat({{kAbortQuestion, "shell.Answer(Yes)", "tab.SetCaptureState(0)",
                       "tab.EndCapture()", "lamp.CloseShutter(0)", "lamp.SetPercentageLevel(0,0)",
                       "lamp.DisableShutterControl(0)", "lamp.DisconnectPC(0)"},
                      LockedCommands(true)}));
    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_EQ(tab.cells.size(), 1u);
    log.Clear();
    CaptureTicks(100);
    EXPECT_EQ(Actions(), Lines{});
}

TEST_F(CaptureTest, AbortAnsweredNoLetsTheCaptureRunOn) {
    StartLampCapture();
    CaptureTicks(40);
    dlg.OnAbortCapture();  // No by default
    EXPECT_TRUE(dlg.captureRunning);
    EXPECT_FALSE(log.Contains("tab.EndCapture()"));
    CaptureTicks(4 * 33 - 7);
    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_EQ(tab.cells.size(), 5u);
}

// The capture keeps stepping behind the question; when it has finished meanwhile, Yes must not
// close the transaction and release the source a second time.
TEST_F(CaptureTest, AbortConfirmedAfterTheCaptureFinishedDoesNothingMore) {
    StartLampCapture();
    shell.duringPrompt = [this](const std::string&) { CaptureTicks(5 * 33); };
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnAbortCapture();

    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_EQ(log.Count("tab.EndCapture()"), 1);
    EXPECT_EQ(log.Count("tab.SetCaptureState(0)"), 1);
    EXPECT_EQ(log.Count("lamp.DisconnectPC(0)"), 1);
    EXPECT_EQ(tab.captureDepth, 0);
}

TEST_F(CaptureTest, AbortWithoutACaptureAsksNothing) {
    dlg.OnAbortCapture();
    EXPECT_EQ(Actions(), Lines{});
}

TEST_F(CaptureTest, ClearCapturesEmptiesTheTableOnlyWhenConfirmed) {
    const std::string question =
        "shell.ShowMessage(Are you sure you want to clear the data from the Advanced Power "
        "Snapshot?|Clear Captures Confirmation)";
    tab.cells[{0, 0, 0}] = 0.01f;
    dlg.OnMenuCommand(kCmdClearCaptures);
    EXPECT_EQ(log.Take(), (Lines{question, "shell.Answer(No)"}));
    EXPECT_EQ(tab.cells.size(), 1u);

    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnMenuCommand(kCmdClearCaptures);
    EXPECT_EQ(log.Take(), (Lines{question, "shell.Answer(Yes)", "tab.ClearCaptures()"}));
    EXPECT_TRUE(tab.cells.empty());
}

// The requested row gets the current reading, rows without a point the "no reading" marker,
// rows that hold a point stay as they are; nothing reaches the instruments.
TEST_F(CaptureTest, CellCaptureFillsTheColumnAroundTheRequestedRow) {
    tab.cells[{1, 0, 0}] = 0.001f;
    tab.cells[{1, 0, 1}] = 0.002f;
    dlg.meterPower = 0.0125f;
    dlg.OnTabPanelEvent(kCaptureCellRequested, 1, 0, 2);

    EXPECT_EQ(log.Entries(), (Lines{"tab.BeginCapture()", "tab.SelectCaptureColumn(1,0)",
                                    "tab.GetCapturePoint(1,0,0)", "tab.GetCapturePoint(1,0,1)",
                                    "tab.GetCapturePoint(1,0,2)", "tab.AddCapturePoint(50,0.0125)",
                                    "tab.GetCapturePoint(1,0,3)", "tab.AddCapturePoint(75,-1)",
                                    "tab.GetCapturePoint(1,0,4)", "tab.AddCapturePoint(100,-1)",
                                    "tab.SetCaptureState(0)", "tab.EndCapture()"}));
    EXPECT_FLOAT_EQ((tab.cells[{1, 0, 0}]), 0.001f);
    EXPECT_FLOAT_EQ((tab.cells[{1, 0, 1}]), 0.002f);
}

TEST_F(CaptureTest, CellCaptureWalksTheRowsOfTheIntensityAxis) {
    struct Case {
        uint16_t axis;
        std::vector<int> levels;
    };
    const Case cases[] = {
        {30, {0, 30, 60, 90}},
        {104, {0, 1, 2, 3}},
        // A word no editor produces: 0 is read as the default increment, a word past ten
        // labels as ten labels.
        {0, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {200, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.axis);
        dlg.intensityAxis = c.axis;
        tab.intensityAxis = c.axis == 0 ? 10 : c.axis;  // the panel files the points by row
        tab.cells.clear();
        log.Clear();
        dlg.meterPower = 0.5f;
        dlg.OnCaptureCellRequested(0, 1, 0);
        Lines expected;
        for (int level : c.levels) {
            expected.push_back(Call("tab.AddCapturePoint", level, level == 0 ? 0.5 : -1.0));
        }
        EXPECT_EQ(log.Matching({"tab.AddCapturePoint"}), expected);
    }
}

TEST_F(CaptureTest, CellCaptureIsRefusedWhileACaptureRuns) {
    StartLampCapture();
    CaptureTicks(10);
    log.Clear();
    dlg.OnTabPanelEvent(kCaptureCellRequested, 0, 0, 3);
    EXPECT_EQ(log.Matching({"tab."}), Lines{});
    EXPECT_EQ(tab.captureDepth, 1);

    CaptureTicks(5 * 33);
    EXPECT_FALSE(dlg.captureRunning);
    EXPECT_EQ(tab.captureDepth, 0);
    EXPECT_EQ(tab.cells.size(), 5u);
}

TEST(MagAndFilSelectionTest, OpensOnTheFirstItemsAndFollowsTheSelection) {
    CMagAndFilSelection selection;
    selection.SetLists({10, 20, 40}, {405, 488, 561, 640, 320, 350, 380, 420, 450, 500, 750});
    selection.m_magnificationIndex = 2;
    selection.Open();
    EXPECT_EQ(selection.m_magnificationIndex, 0);
    EXPECT_EQ(selection.m_wavelengthIndex, 0);
    EXPECT_EQ(selection.MagnificationItems(), (Lines{"10X", "20X", "40X"}));
    EXPECT_EQ(selection.WavelengthItems().size(), 10u);

    selection.OnMagnificationSelected(2);
    selection.OnWavelengthSelected(9);
    selection.OnMagnificationSelected(-1);  // a list that lost its selection
    selection.OnWavelengthSelected(10);
    EXPECT_EQ(selection.m_magnificationIndex, 2);
    EXPECT_EQ(selection.m_wavelengthIndex, 9);
}

}  // namespace
}  // namespace varden::testing
