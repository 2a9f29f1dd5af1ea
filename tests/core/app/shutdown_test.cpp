#include <gtest/gtest.h>

#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

// Shutdown runs in the controller's destructor, so each case owns a controller it can end.
struct ShutdownHarness {
    CallLog log;
    FakeInstruments fake{log};
    RecordingTabPanel tab{log};
    RecordingButtonPanel buttons{log};
    RecordingStripChart chart{log};
    ScriptedShell shell{log};
    FakeClock clock{log};
    MemoryProfileStore profile{log};
    FakeLibraryLoader loader{log, fake};
    std::optional<CVardenControlPanelDlg> dlg{
        std::in_place, ControlPanelEnvironment{shell, profile, clock, loader, tab, buttons, chart}};
};

std::vector<std::string> ShutdownCalls(const std::function<void(ShutdownHarness&)>& arrange) {
    ShutdownHarness harness;
    arrange(harness);
    harness.log.Clear();
    harness.dlg.reset();
    return harness.log.Entries();
}

TEST(ShutdownTest, LampIsReleasedWithThreePauses) {
    auto calls = ShutdownCalls([](ShutdownHarness& h) {
        h.fake.lamp.Attach(2);
        h.fake.InstallInto(*h.dlg);
        h.dlg->ledBound = false;
        h.dlg->lampDevice = 2;
    });
    EXPECT_EQ(calls,
              (std::vector<std::string>{
                  "lamp.DeviceActive(2)", "lamp.DisableShutterControl(2)", "lamp.UpdateData()",
                  "clock.SleepMs(30)", "lamp.DisconnectPC(2)", "lamp.UpdateData()",
                  "clock.SleepMs(30)", "lamp.UpdateData()", "clock.SleepMs(30)"}));
}

TEST(ShutdownTest, LedIsReleasedWithExactlyTwoCalls) {
    auto calls = ShutdownCalls([](ShutdownHarness& h) {
        h.fake.led.Attach(1);
        h.fake.InstallInto(*h.dlg);
        h.dlg->ledDevice = 1;
    });
    EXPECT_EQ(calls,
              (std::vector<std::string>{"lamp.DeviceActive(0)", "led.DeviceActive(1)",
                                        "led.DisableShutterControl(1)", "led.DisconnectPC(1)"}));
}

TEST(ShutdownTest, InactiveSourcesAndTheMeterReceiveNothing) {
    auto calls = ShutdownCalls([](ShutdownHarness& h) {
        h.fake.meter.Attach(0);
        h.fake.InstallInto(*h.dlg);
    });
    EXPECT_EQ(calls, (std::vector<std::string>{"lamp.DeviceActive(0)", "led.DeviceActive(0)"}));
}

TEST(ShutdownTest, BoundLampIsStillReleasedAfterTheLedLibraryFailed) {
    auto calls = ShutdownCalls([](ShutdownHarness& h) {
        h.fake.lamp.Attach(0);
        h.loader.files.erase("Tarsa-Comm.dll");
        h.dlg->OnInitDialog();
        EXPECT_TRUE(h.shell.closeRequested);
        EXPECT_FALSE(h.dlg->ledBound);
    });
    EXPECT_EQ(calls.front(), "lamp.DeviceActive(0)");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "lamp.DisconnectPC(0)"), 1);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.rfind("led.", 0) == 0; }),
              0);
}

}  // namespace
}  // namespace varden::testing
