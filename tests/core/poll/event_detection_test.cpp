#include <gtest/gtest.h>

#include <functional>

#include "poll_fixture.h"

namespace varden::testing {
namespace {

using Events = std::vector<std::string>;

// A light source that was connected and unchanged since the previous pass.
class EventDetectionTest : public PollFixture {
  protected:
    void SetUp() override {
        PollFixture::SetUp();
        fake.lamp.Attach(0);
        dlg.frontPanelLocked = dlg.prevLocked = 0;
        dlg.shutterOpen = dlg.prevShutterOpen = 1;
        dlg.calibrationHours = dlg.prevCalibrationHours = 100;
        dlg.feedbackOn = dlg.prevFeedbackOn = 1;
        dlg.outputPowerRaw = dlg.prevOutputPowerRaw = 1234;
        dlg.percentLevel = dlg.prevPercentLevel = 50;
        dlg.lampOn = dlg.prevLampOn = 1;
        dlg.lightGuideIn = dlg.prevLightGuideIn = 1;
    }
};

struct EventCase {
    const char* name;
    std::function<void(CVardenControlPanelDlg&)> change;
    Events events;
};

class EventTableTest : public EventDetectionTest,
                       public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventTableTest, YieldsTheEventsOfAChangeOnceAndMovesThePreviousValuesAlong) {
    GetParam().change(dlg);
    EXPECT_EQ(dlg.DetectEvents(), GetParam().events);
    EXPECT_EQ(dlg.DetectEvents(), Events{});
}

void Calibration(CVardenControlPanelDlg& dlg, uint8_t from, uint8_t to) {
    dlg.prevCalibrationHours = from;
    dlg.calibrationHours = to;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EventTableTest,
    ::testing::Values(
        EventCase{"NoChange", [](auto&) {}, {}},
        EventCase{"Locked", [](auto& d) { d.frontPanelLocked = 1; }, {"User Interface Locked"}},
        EventCase{"UnLocked",
                  [](auto& d) { d.frontPanelLocked = 0, d.prevLocked = 2; },
                  {"User Interface UnLocked"}},
        EventCase{"ShutterClosed", [](auto& d) { d.shutterOpen = 0; }, {"Shutter Closed"}},
        EventCase{"ShutterOpened",
                  [](auto& d) { d.shutterOpen = 1, d.prevShutterOpen = 0; },
                  {"Shutter Opened"}},
        EventCase{"CalibrationTwelveToEleven",
                  [](auto& d) { Calibration(d, 12, 11); },
                  {"Calibration Warning"}},
        EventCase{"CalibrationElevenToTen",
                  [](auto& d) { Calibration(d, 11, 10); },
                  {"Calibration Warning"}},
        EventCase{
            "CalibrationOneToZero", [](auto& d) { Calibration(d, 1, 0); }, {"Calibration Expired"}},
        EventCase{"CalibrationZeroToEight",
                  [](auto& d) { Calibration(d, 0, 8); },
                  {"Calibration Warning", "System Re-Calibrated"}},
        EventCase{"CalibrationFiveToTwoHundred",
                  [](auto& d) { Calibration(d, 5, 200); },
                  {"System Re-Calibrated"}},
        EventCase{"CalibrationCountingDown", [](auto& d) { Calibration(d, 100, 99); }, {}},
        EventCase{"FeedbackOff", [](auto& d) { d.feedbackOn = 0; }, {"Closed Loop Feedback Off"}},
        EventCase{"FeedbackOn",
                  [](auto& d) { d.feedbackOn = 1, d.prevFeedbackOn = 0; },
                  {"Closed Loop Feedback On"}},
        EventCase{"PowerOutput", [](auto& d) { d.outputPowerRaw = 1; }, {"Power Output Changed"}},
        EventCase{"Iris", [](auto& d) { d.percentLevel = 51; }, {"Iris Intensity Changed"}},
        EventCase{"LampOff", [](auto& d) { d.lampOn = 0; }, {"Lamp Turned Off"}},
        EventCase{"LampOn", [](auto& d) { d.lampOn = 1, d.prevLampOn = 0; }, {"Lamp Turned On"}},
        EventCase{
            "LightGuideRemoved", [](auto& d) { d.lightGuideIn = 0; }, {"Light Guide Removed"}},
        EventCase{"LightGuideInserted",
                  [](auto& d) { d.lightGuideIn = 1, d.prevLightGuideIn = 0; },
                  {"Light Guide Inserted"}},
        // Every test at once: the texts come in the order of the tests.
        EventCase{"EverythingAtOnce",
                  [](auto& d) {
                      d.frontPanelLocked = 1;
                      d.shutterOpen = 0;
                      Calibration(d, 0, 3);
                      d.feedbackOn = 0;
                      d.outputPowerRaw = 0;
                      d.percentLevel = 0;
                      d.lampOn = 0;
                      d.lightGuideIn = 0;
                  },
                  {"User Interface Locked", "Shutter Closed", "Calibration Warning",
                   "System Re-Calibrated", "Closed Loop Feedback Off", "Power Output Changed",
                   "Iris Intensity Changed", "Lamp Turned Off", "Light Guide Removed"}}),
    [](const ::testing::TestParamInfo<EventCase>& info) { return std::string(info.param.name); });

TEST_F(EventDetectionTest, LostCommunicationHoldsWhileNeitherSourceDriverCountsADevice) {
    // The LED driver is asked only when the lamp driver counts nothing.
    log.Clear();
    EXPECT_EQ(dlg.DetectEvents(), Events{});
    EXPECT_EQ(log.Take(), (Log{"lamp.GetNumDevicesConnected()"}));

    fake.lamp.Detach(0);
    fake.led.Attach(0);
    EXPECT_EQ(dlg.DetectEvents(), Events{});
    EXPECT_EQ(log.Take(), (Log{"lamp.GetNumDevicesConnected()", "led.GetNumDevicesConnected()"}));

    fake.led.Detach(0);
    dlg.lightGuideIn = 0;
    // Tested before the light guide, and yielded at every pass.
    EXPECT_EQ(dlg.DetectEvents(),
              (Events{"Lost Communication with Device", "Light Guide Removed"}));
    EXPECT_EQ(dlg.DetectEvents(), Events{"Lost Communication with Device"});
}

}  // namespace
}  // namespace varden::testing
