#include <gtest/gtest.h>

#include "core/app/command_ids.h"
#include "poll_fixture.h"

namespace varden::testing {
namespace {

// The commands of the power-meter menu group, in the order they are switched.
Log MeterMenuGroup(bool on) {
    Log entries;
    for (int id : {kCmdModifyWavelengths, kCmdModifyMagnifications, kCmdModifyIntensityIncrement,
                   kCmdSavePowerSnapshotAs, kCmdShutdownPowerMeter, kCmdSuspendPowerMeter,
                   kCmdWakeupPowerMeter, kCmdSetRtcToPcClock, kCmdClearFavouriteWavelengths,
                   kCmdAbortCapture, kCmdDownloadDataLog, kCmdClearDataLog, kCmdSaveDataLogAs,
                   kCmdAutoCapture, kCmdClearCaptures}) {
        entries.push_back(Call("shell.EnableMenuCommand", id, on));
    }
    return entries;
}

Log MeterPages(int on) {
    Log entries;
    for (int page = 0; page <= 4; ++page) {
        entries.push_back(Call("tab.EnablePage", page, on));
    }
    return entries;
}

const Log kSourceDisconnected{"shell.SetWindowTitle(Orvane Control Panel)",
                              "buttons.SetUnitStatus6State(4)",
                              "buttons.SetCalibrationState(4)",
                              "buttons.SetFeedbackState(4)",
                              "buttons.SetHoursLevel(4)",
                              "buttons.SetLampState(4)",
                              "buttons.SetLightGuideState(4)",
                              "buttons.SetLockState(4)",
                              "buttons.SetShutterState(4)",
                              "buttons.SetTemperatureLevel(4)",
                              "buttons.SetPanelState(4)"};

// Discovery searches ask DeviceActive of up to 254 units; most tests look past them.
const std::initializer_list<std::string> kSearches{"lamp.DeviceActive", "meter.DeviceActive",
                                                   "led.DeviceActive"};

using PollCycleTest = PollFixture;

TEST_F(PollCycleTest, WithoutInstrumentsATickOnlyRefreshesCountsAndAsksEachPhaseOnce) {
    dlg.axesPending = true;
    Ticks(1);
    // The first tick restores the snapshot axes before anything else.
    EXPECT_EQ(log.Matching({"tab."}).front(), "tab.SetFilterList(4,425 480 560 580)");
    EXPECT_EQ(log.Without({"tab."}),
              Concat({kRefreshAndCounts,
                      {"lamp.DeviceActive(0)", "led.DeviceActive(0)", "meter.DeviceActive(0)"}}));
    EXPECT_FALSE(dlg.axesPending);

    EXPECT_EQ(Tick(),
              Concat({kRefreshAndCounts,
                      {"lamp.DeviceActive(0)", "led.DeviceActive(0)", "meter.DeviceActive(0)"}}));
}

TEST_F(PollCycleTest, MeterDiscoveryConnectsTheLowestActiveUnit) {
    fake.meter.Attach(5);
    fake.meter.Attach(2).wavelength = 532;
    fake.meter[2].favourites = {405, 0, 0, 0, 0};

    Log discovery;
    for (int unit = 0; unit <= 2; ++unit) {
        discovery.push_back(Call("meter.DeviceActive", unit));
    }
    EXPECT_EQ(
        Tick(),
        Concat({kRefreshAndCounts,
                discovery,
                {"meter.SetHexMode(2)", "meter.GetWaveLength(2)", "meter.GetFiveFreqSetPoints(2)",
                 "meter.RequestLGC(2,63)"},
                MeterPages(1),
                MeterMenuGroup(true),
                {"meter.DeviceActive(2)", "lamp.DeviceActive(0)", "led.DeviceActive(0)",
                 "meter.DeviceActive(2)"},
                // the meter phase reads page 0 at once
                {"meter.GetOutputPower(2)", "tab.ShowPower(0)", "meter.RequestReference(2)",
                 "tab.ShowReference(0)", "meter.GetWaveLength(2)", "tab.ShowWavelength(532)",
                 "meter.GetFiveFreqSetPoints(2)", "tab.ShowFavouriteWavelengths(405,0,0,0,0)"}}));
    EXPECT_EQ(dlg.meterDevice, 2);
    EXPECT_EQ(dlg.meterCountSeen, 2);
}

TEST_F(PollCycleTest, LampDiscoveryIdentifiesEveryActiveUnitAndKeepsTheHighest) {
    fake.lamp.Attach(1);
    fake.lamp.Attach(3);
    Ticks(1);
    const Log connection{"lamp.UpdateData()",
                         "lamp.Identify(1)",
                         "buttons.SetPanelState(0)",
                         "tab.EnablePage(5,1)",
                         Call("shell.EnableMenuCommand", kCmdSaveStabilityGraphDataAs, true),
                         "lamp.UpdateData()",
                         "lamp.Identify(3)",
                         "buttons.SetPanelState(0)",
                         "tab.EnablePage(5,1)",
                         Call("shell.EnableMenuCommand", kCmdSaveStabilityGraphDataAs, true)};
    Log seen = log.Without(kSearches);
    ASSERT_GE(seen.size(), kRefreshAndCounts.size() + connection.size());
    EXPECT_EQ(Log(seen.begin() + 5, seen.begin() + 5 + static_cast<long>(connection.size())),
              connection);
    // The whole range is searched, then the chosen unit is asked again, then polled.
    EXPECT_EQ(log.Count("lamp.DeviceActive(253)"), 1);
    EXPECT_EQ(log.Count("lamp.DeviceActive(254)"), 0);
    EXPECT_EQ(log.Count("lamp.DeviceActive(3)"), 3);
    EXPECT_TRUE(log.Contains("lamp.GetUnitStatus(3)"));
    EXPECT_EQ(dlg.lampDevice, 3);
    EXPECT_EQ(dlg.lampCountSeen, 2);
}

TEST_F(PollCycleTest, LedDiscoveryKeepsTheHighestUnitBelowTwenty) {
    fake.led.Attach(2);
    fake.led.Attach(4);
    fake.led.Attach(20);
    Ticks(1);
    EXPECT_EQ(log.Count("led.DeviceActive(19)"), 1);
    EXPECT_EQ(log.Count("led.DeviceActive(20)"), 0);
    EXPECT_EQ(
        log.Matching({"led.SendIdentify", "buttons.SetPanelState", "tab.", "shell.EnableMenu"}),
        (Log{"led.SendIdentify(2)", "buttons.SetPanelState(0)", "led.SendIdentify(4)",
             "buttons.SetPanelState(0)"}));
    EXPECT_EQ(dlg.ledDevice, 4);
    EXPECT_TRUE(log.Contains("led.GetUnitStatus(4)"));
}

TEST_F(PollCycleTest, AnLedOnlyAtUnitTwentyOrAboveIsNeverFound) {
    fake.led.Attach(20);
    const Log seen = TickWithout(kSearches);
    EXPECT_EQ(seen, Concat({kRefreshAndCounts, kSourceDisconnected, {"tab.EnablePage(5,0)"}}));
    EXPECT_EQ(dlg.ledCountSeen, 1);
}

TEST_F(PollCycleTest, AfterTwoLedDevicesLedDiscoveryNeverRunsAgain) {
    fake.led.Attach(0);
    fake.led.Attach(1);
    Ticks(1);
    ASSERT_EQ(dlg.ledDevice, 1);

    // Unplugged: the panel keeps the LED's display; its phase is skipped.
    fake.led.Detach(0);
    fake.led.Detach(1);
    EXPECT_EQ(Tick(),
              Concat({kRefreshAndCounts,
                      {"lamp.DeviceActive(0)", "led.DeviceActive(1)", "meter.DeviceActive(0)"}}));
    // Plugged in again, alone: not connected.
    fake.led.Attach(7);
    const Log seen = Tick();
    EXPECT_FALSE(log.Contains("led.SendIdentify(7)"));
    EXPECT_EQ(seen,
              Concat({kRefreshAndCounts,
                      {"lamp.DeviceActive(0)", "led.DeviceActive(1)", "meter.DeviceActive(0)"}}));
}

TEST_F(PollCycleTest, WithBothSourcesAndTheMeterATickPollsLampThenLedThenMeter) {
    FakeSource& lamp = fake.lamp.Attach(0);
    lamp.calibrationHours = 20;
    lamp.percent = 50;
    lamp.outputPower = 1234;
    lamp.factor = 10000;
    lamp.hours = 100;
    lamp.temperature = 90;
    FakeSource& led = fake.led.Attach(0);
    led.percent = 30;
    led.hours = 500;
    led.calibrationHours = 7;
    fake.meter.Attach(0);
    // The first tick connects all three. Both sources write the same status members, so the
    // lamp's calibration display in the next tick shows what the LED read last.
    Ticks(1);

    const Log expected = Concat({
        kRefreshAndCounts,
        {
            "lamp.DeviceActive(0)",
            "lamp.GetUnitStatus(0)",
            "lamp.GetUnitStatusext(0)",
            "buttons.SetLampState(2)",
            "buttons.SetUnitStatus6State(0)",
            "buttons.SetLightGuideState(1)",
            "buttons.SetShutterState(0)",
            "buttons.SetFeedbackState(0)",
            "buttons.SetLockState(0)",
            "lamp.GetPercentageLevel(0)",
            "lamp.GetOutputPower(0)",
            "buttons.SetCalibrationState(1)",
            "shell.SetStatusPaneText(0,7 hours remaining)",
            "lamp.GetMultiplicationFactor(0)",
            "shell.SetStatusPaneText(2,1.234mW)",
            "buttons.SetOutputReadout(50,1234,7,10000)",
            "shell.SetStatusPaneText(3,50%)",
            "lamp.GetCalibrationTime(0)",
            "lamp.GetLampHours(0)",
            "buttons.SetHoursReadout(100)",
            "shell.SetStatusPaneText(1,100 hrs)",
            "buttons.SetHoursLevel(0)",
            "lamp.ReturnTemperatureReading(0)",
            "buttons.SetTemperatureLevel(0)",
            // The LED's slow values were read in the first tick.
            "led.DeviceActive(0)",
            "led.GetUnitStatus(0)",
            "led.GetUnitStatusext(0)",
            "buttons.SetLampState(2)",
            "buttons.SetUnitStatus6State(0)",
            "buttons.SetLightGuideState(1)",
            "buttons.SetShutterState(0)",
            "buttons.SetLockState(0)",
            "led.GetCalibrationTime(0)",
            // The clock is in the first second of a minute.
            "led.GetLampHours(0)",
            "buttons.SetHoursReadout(500)",
            "shell.SetStatusPaneText(1,500 hrs)",
            "buttons.SetHoursLevel(0)",
            // The meter waits for its countdown.
            "meter.DeviceActive(0)",
        },
    });
    EXPECT_EQ(Lines(Tick()), Lines(expected));
    EXPECT_EQ(dlg.calibrationHours, 7);
    EXPECT_EQ(dlg.percentLevel, 50);  // the LED's percentage is read every 11th poll only
}

TEST_F(PollCycleTest, ACountChangeRunsTheConnectionAgainForTheSameMeter) {
    fake.meter.Attach(0).favourites = {405, 488, 0, 0, 0};
    Ticks(1);
    ASSERT_TRUE(dlg.favouritesKnown);

    fake.meter.Attach(3);
    const Log seen = TickWithout(kSearches);
    EXPECT_EQ(seen, Concat({kRefreshAndCounts,
                            {"meter.SetHexMode(0)", "meter.GetWaveLength(0)",
                             "meter.GetFiveFreqSetPoints(0)", "meter.RequestLGC(0,63)"},
                            MeterPages(1),
                            MeterMenuGroup(true)}));
    EXPECT_EQ(dlg.meterDevice, 0);
    EXPECT_FALSE(dlg.favouritesKnown);
    EXPECT_FALSE(dlg.contrastKnown);
}

TEST_F(PollCycleTest, UnpluggingTheMeterDisablesItsPagesAndCommandsInTheSameTick) {
    fake.meter.Attach(0);
    Ticks(1);
    dlg.selectedPage = 1;
    Ticks(9);  // page 0 countdown
    ASSERT_TRUE(dlg.contrastKnown);

    fake.meter.Detach(0);
    EXPECT_EQ(TickWithout(kSearches),
              Concat({kRefreshAndCounts, MeterPages(0), MeterMenuGroup(false)}));
    fake.meter.Attach(0).favourites = {500, 0, 0, 0, 0};
    fake.meter[0].wavelength = 633;
    const Log replugged = TickWithout(kSearches);
    // Plugged back in: pages and commands come back, wavelength and favourites are fetched, and
    // the one-time readings of the settings page are taken again.
    EXPECT_EQ(Log(replugged.begin() + 5, replugged.begin() + 9),
              (Log{"meter.SetHexMode(0)", "meter.GetWaveLength(0)", "meter.GetFiveFreqSetPoints(0)",
                   "meter.RequestLGC(0,63)"}));
    EXPECT_EQ(dlg.meterWavelength, 633);
    EXPECT_TRUE(shell.menuEnabled[kCmdDownloadDataLog]);
    EXPECT_FALSE(dlg.contrastKnown);
}

TEST_F(PollCycleTest, UnpluggingTheLampDisconnectsItsDisplay) {
    fake.lamp.Attach(0);
    Ticks(1);
    ASSERT_TRUE(shell.menuEnabled[kCmdSaveStabilityGraphDataAs]);

    fake.lamp.Detach(0);
    EXPECT_EQ(TickWithout(kSearches),
              Concat({kRefreshAndCounts,
                      kSourceDisconnected,
                      {"tab.EnablePage(5,0)",
                       Call("shell.EnableMenuCommand", kCmdSaveStabilityGraphDataAs, false)}}));
}

TEST_F(PollCycleTest, APhaseRunsOnlyWhileTheUnitAnswersAndItsDriverCountsADevice) {
    fake.lamp.Attach(0);
    Ticks(1);

    // The unit stops answering but is still counted: the display stays, the poll is skipped.
    fake.lamp[0].active = 0;
    EXPECT_EQ(Tick(),
              Concat({kRefreshAndCounts,
                      {"lamp.DeviceActive(0)", "led.DeviceActive(0)", "meter.DeviceActive(0)"}}));
    // It answers but the driver counts nothing (discovery runs and finds the unit still there).
    fake.lamp[0].active = 1;
    fake.lamp.deviceCount = 0;
    Ticks(1);
    EXPECT_FALSE(log.Contains("lamp.GetUnitStatus(0)"));
}

}  // namespace
}  // namespace varden::testing
