#include <gtest/gtest.h>

#include "core/app/command_ids.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Calls = std::vector<std::string>;

// The meter is unit 1, so a call with the wrong device number shows in the log.
class MeterCommandsTest : public ControllerFixture {
  protected:
    void Start(bool meterActive) {
        fake.meter.units.clear();
        if (meterActive) {
            fake.meter.Attach(1);
        }
        dlg.meterDevice = 1;
        InstallDrivers();
    }
};

TEST_F(MeterCommandsTest, MenuCommandsAndPageEventsNeedAnActiveMeter) {
    struct Case {
        const char* name;
        std::function<void(CVardenControlPanelDlg&)> raise;
        Calls whenActive;
        Calls always = {};  // after the meter calls, active or not
    };
    const Case cases[] = {
        {"Shutdown",
         [](auto& d) { d.OnMenuCommand(kCmdShutdownPowerMeter); },
         {"meter.TurnRadiometerOff(1)"}},
        {"Suspend",
         [](auto& d) { d.OnMenuCommand(kCmdSuspendPowerMeter); },
         {"meter.PutRadiometerToSleep(1)"}},
        {"Wakeup",
         [](auto& d) { d.OnMenuCommand(kCmdWakeupPowerMeter); },
         {"meter.WakeRadiometer(1)"}},
        {"Favourite",
         [](auto& d) { d.OnTabPanelEvent(kFavouriteWavelengthSet, 2, 488); },
         {"meter.SetFiveFreqSetPoints(1,2,488)"}},
        {"Contrast",
         [](auto& d) { d.OnTabPanelEvent(kContrastChanged, 7); },
         {"meter.SetLCDContrast(1,7)"}},
        {"Wavelength",
         [](auto& d) { d.OnTabPanelEvent(kWavelengthChanged, 1064); },
         {"meter.SetWaveLength(1,1064)"}},
        {"ClearFavourites",
         [](auto& d) { d.OnMenuCommand(kCmdClearFavouriteWavelengths); },
         {"meter.SetFiveFreqSetPoints(1,0,0)", "meter.SetFiveFreqSetPoints(1,1,0)",
          "meter.SetFiveFreqSetPoints(1,2,0)", "meter.SetFiveFreqSetPoints(1,3,0)",
          "meter.SetFiveFreqSetPoints(1,4,0)"},
         {"tab.ShowFavouriteWavelengths(0,0,0,0,0)"}},
    };
    for (const Case& c : cases) {
        for (bool active : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (active ? " active" : " inactive"));
            Start(active);
            c.raise(dlg);
            Calls expected{"meter.DeviceActive(1)"};
            if (active) {
                expected.insert(expected.end(), c.whenActive.begin(), c.whenActive.end());
            }
            expected.insert(expected.end(), c.always.begin(), c.always.end());
            EXPECT_EQ(log.Entries(), expected) << log.Dump();
        }
    }
}

TEST_F(MeterCommandsTest, ClockIsSetToOneMomentASecondAhead) {
    struct Case {
        int year, month, day, hour, minute, second;
        Calls expected;
    };
    const Case cases[] = {
        {2013, 3, 14, 14, 0, 0, {"meter.SetRTD(1,3,14,13)", "meter.SetRTC(1,14,0,1)"}},
        {2013, 3, 14, 10, 15, 59, {"meter.SetRTD(1,3,14,13)", "meter.SetRTC(1,10,16,0)"}},
        {2013, 3, 14, 23, 59, 59, {"meter.SetRTD(1,3,15,13)", "meter.SetRTC(1,0,0,0)"}},
        {2012, 2, 28, 23, 59, 59, {"meter.SetRTD(1,2,29,12)", "meter.SetRTC(1,0,0,0)"}},
        {2013, 12, 31, 23, 59, 59, {"meter.SetRTD(1,1,1,14)", "meter.SetRTC(1,0,0,0)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Call("at", c.year, c.month, c.day, c.hour, c.minute, c.second));
        // Sent without asking whether the meter is active.
        Start(false);
        clock.Set(c.year, c.month, c.day, c.hour, c.minute, c.second);
        dlg.OnMenuCommand(kCmdSetRtcToPcClock);
        EXPECT_EQ(log.Entries(), c.expected);
    }
}

TEST_F(MeterCommandsTest, ModeOptionSetsOrClearsItsBitsAndSendsTheWord) {
    struct Case {
        uint16_t mode;
        uint32_t on;
        uint32_t mask;
        uint16_t sent;
    };
    const Case cases[] = {
        {0x0002, 1, 0x0004, 0x0006}, {0x0002, 0, 0x0002, 0x0000}, {0x0006, 1, 0x0002, 0x0006},
        {0x0004, 0, 0x0002, 0x0004}, {0xFFFF, 0, 0x8001, 0x7FFE}, {0x0000, 1, 0x8001, 0x8001},
    };
    for (const Case& c : cases) {
        for (bool active : {true, false}) {
            SCOPED_TRACE(Call("mode", c.mode, c.on, c.mask, active));
            Start(active);
            dlg.meterMode = c.mode;
            dlg.OnTabPanelEvent(kModeOptionChanged, c.on, c.mask);
            EXPECT_EQ(log.Entries(), Calls{Call("meter.SetMode", 1, c.sent)});
            EXPECT_EQ(dlg.meterMode, c.sent);
        }
    }
}

}  // namespace
}  // namespace varden::testing
