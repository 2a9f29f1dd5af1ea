#include <gtest/gtest.h>

#include <algorithm>

#include "poll_fixture.h"

namespace varden::testing {
namespace {

bool Has(const Log& entries, const std::string& entry) {
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

class LampPollTest : public PollFixture {
  protected:
    void SetUp() override {
        PollFixture::SetUp();
        fake.lamp.Attach(0);
    }
    FakeSource& Lamp() { return fake.lamp[0]; }
    // Runs one lamp poll and hands back what it did.
    Log Poll() {
        log.Clear();
        dlg.PollLampSource();
        return log.Take();
    }
};

TEST_F(LampPollTest, CalibrationShowsOnePollLateAndThePowerFactorIsReadOncePerPeriod) {
    Lamp().calibrationHours = 150;
    Lamp().percent = 40;
    Lamp().outputPower = 2500;
    Lamp().factor = 1000;

    // The first poll after start-up still shows the start value: not calibrated, no power.
    const Log first = Poll();
    EXPECT_EQ(Lines(Log(first.begin() + 9, first.begin() + 14)),
              Lines({"buttons.SetCalibrationState(0)", "shell.SetStatusPaneText(0,Not Calibrated)",
                     "shell.SetStatusPaneText(2,)", "buttons.SetOutputReadout(40,0,0,0)",
                     "shell.SetStatusPaneText(3,40%)"}));
    EXPECT_EQ(dlg.calibrationHours, 150);

    const Log second = Poll();
    EXPECT_EQ(
        Lines(Log(second.begin() + 9, second.begin() + 16)),
        Lines({"lamp.GetOutputPower(0)", "buttons.SetCalibrationState(1)",
               "shell.SetStatusPaneText(0,150 hours remaining)", "lamp.GetMultiplicationFactor(0)",
               "shell.SetStatusPaneText(2,25.0mW)", "buttons.SetOutputReadout(40,2500,150,1000)",
               "shell.SetStatusPaneText(3,40%)"}));
    EXPECT_FALSE(Has(Poll(), "lamp.GetMultiplicationFactor(0)"));

    // Calibration lost: the factor is forgotten and read again once the lamp is recalibrated.
    Lamp().calibrationHours = 0;
    Poll();
    Poll();
    EXPECT_EQ(dlg.powerFactor, 0);
    Lamp().calibrationHours = 9;
    Lamp().factor = 10000;
    Poll();
    EXPECT_TRUE(Has(Poll(), "lamp.GetMultiplicationFactor(0)"));
    EXPECT_EQ(shell.statusPanes[2], "2.500mW");
}

TEST_F(LampPollTest, OutputPowerTextFollowsThePowerFactor) {
    struct Case {
        int factor;
        uint16_t raw;
        const char* text;
    };
    for (const Case& c :
         {Case{10000, 1234, "1.234mW"}, Case{1000, 1234, "12.3mW"}, Case{7, 12500, "1.25W"},
          Case{0, 65535, "6.55W"}, Case{10000, 0, "0.000mW"}}) {
        SCOPED_TRACE(c.factor);
        Lamp().factor = c.factor;
        Lamp().outputPower = c.raw;
        dlg.calibrationHours = 5;
        dlg.powerFactor = 0;
        Poll();
        EXPECT_EQ(shell.statusPanes[2], c.text);
    }
}

TEST_F(LampPollTest, IndicatorLevelsFollowTheThresholds) {
    struct Case {
        int status5;
        int lampOn;
        uint16_t hours;
        uint8_t temperature;
        const char* lampState;
        const char* hoursLevel;
        const char* temperatureLevel;
    };
    for (const Case& c : {
             Case{0, 1, 2499, 95, "(0)", "(0)", "(0)"},
             Case{1, 0, 2500, 96, "(1)", "(1)", "(1)"},
             Case{1, 1, 3999, 125, "(2)", "(1)", "(1)"},
             Case{1, 1, 4000, 126, "(2)", "(2)", "(2)"},
         }) {
        SCOPED_TRACE(c.hours);
        Lamp().status[4] = c.status5;
        Lamp().status[1] = c.lampOn;
        Lamp().hours = c.hours;
        Lamp().temperature = c.temperature;
        const Log poll = Poll();
        EXPECT_TRUE(Has(poll, std::string("buttons.SetLampState") + c.lampState));
        EXPECT_TRUE(Has(poll, std::string("buttons.SetHoursLevel") + c.hoursLevel));
        EXPECT_TRUE(Has(poll, std::string("buttons.SetTemperatureLevel") + c.temperatureLevel));
        EXPECT_EQ(shell.statusPanes[1], std::to_string(c.hours) + " hrs");
    }
}

TEST_F(LampPollTest, StatusFlagsReachTheIndicatorsAsBytesAndAnUnidentifiedUnitIsIdentified) {
    Lamp().status = {1, 1, 0, 0x101, 1, 3};  // only the low byte of a value is shown
    Lamp().statusExt = {1, 0, 0, 0};
    const Log poll = Poll();
    EXPECT_EQ(Lines(Log(poll.begin(), poll.begin() + 10)),
              Lines({"lamp.GetUnitStatus(0)", "lamp.GetUnitStatusext(0)", "lamp.SendIdentify(0)",
                     "buttons.SetLampState(2)", "buttons.SetUnitStatus6State(3)",
                     "buttons.SetLightGuideState(0)", "buttons.SetShutterState(1)",
                     "buttons.SetFeedbackState(1)", "buttons.SetLockState(1)",
                     "lamp.GetPercentageLevel(0)"}));
}

class LedPollTest : public PollFixture {
  protected:
    void SetUp() override {
        PollFixture::SetUp();
        FakeSource& led = fake.led.Attach(0);
        led.percent = 70;
        led.hours = 25000;
        led.calibrationHours = 3;
        led.temperature = 56;
        led.temperature2 = 10;
        clock.now += 1;  // away from the top of a minute
    }
    FakeSource& Led() { return fake.led[0]; }
    Log Poll() {
        log.Clear();
        dlg.PollLedSource();
        return log.Take();
    }
};

TEST_F(LedPollTest, TheFirstPollReadsTheSlowValuesAndShowsNoCalibration) {
    dlg.outputPowerRaw = 321;  // left over from a lamp
    dlg.powerFactor = 1000;
    EXPECT_EQ(Lines(Poll()), Lines({
                                 "led.GetUnitStatus(0)",
                                 "led.GetUnitStatusext(0)",
                                 "buttons.SetLampState(2)",
                                 "buttons.SetUnitStatus6State(0)",
                                 "buttons.SetLightGuideState(1)",
                                 "buttons.SetShutterState(0)",
                                 "buttons.SetLockState(0)",
                                 "led.GetPercentageLevel(0)",
                                 "buttons.SetCalibrationState(0)",
                                 "shell.SetStatusPaneText(0,)",
                                 "shell.SetStatusPaneText(2,)",
                                 "buttons.SetOutputReadout(70,321,0,0)",
                                 "shell.SetStatusPaneText(3,70%)",
                                 "led.GetCalibrationTime(0)",
                                 "led.ReturnTemperatureReading(0)",
                                 "buttons.SetTemperatureLevel(1)",
                             }));
    EXPECT_EQ(dlg.powerFactor, 0);
    EXPECT_EQ(dlg.calibrationHours, 3);
    EXPECT_EQ(dlg.ledCountdown, 10);
}

TEST_F(LedPollTest, SlowValuesAreReadEveryEleventhPoll) {
    std::vector<int> slowPolls;
    for (int poll = 1; poll <= 23; ++poll) {
        if (Has(Poll(), "led.GetPercentageLevel(0)")) {
            slowPolls.push_back(poll);
        }
    }
    EXPECT_EQ(slowPolls, (std::vector<int>{1, 12, 23}));
}

TEST_F(LedPollTest, HoursAreReadInTheFirstSecondOfEachMinute) {
    clock.now = 1363269600 + 59;  // one second before the top of a minute
    clock.milliseconds = 0;
    fake.quiet = {"led.GetUnitStatus", "led.GetUnitStatusext", "led.DeviceActive"};
    std::vector<int> readingTicks;
    for (int tick = 1; tick <= 25; ++tick) {
        Ticks(1);
        if (log.Contains("led.GetLampHours(0)")) {
            readingTicks.push_back(tick);
        }
        log.Clear();
    }
    // The top of the minute spans ticks 10 to 19.
    EXPECT_EQ(readingTicks, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(shell.statusPanes[1], "25000 hrs");
}

TEST_F(LedPollTest, HourAndTemperatureLevels) {
    struct Case {
        uint16_t hours;
        uint8_t temperature1;
        uint8_t temperature2;
        int hoursLevel;
        int temperatureLevel;
    };
    clock.now = 1363269600;  // the top of a minute
    for (const Case& c : {Case{19999, 55, 55, 0, 0}, Case{20000, 56, 10, 1, 1},
                          Case{40000, 10, 66, 2, 2}, Case{39999, 65, 66, 1, 2}}) {
        SCOPED_TRACE(c.hours);
        Led().hours = c.hours;
        Led().temperature = c.temperature1;
        Led().temperature2 = c.temperature2;
        dlg.ledCountdown = 0;
        const Log poll = Poll();
        EXPECT_TRUE(Has(poll, Call("buttons.SetHoursLevel", c.hoursLevel)));
        EXPECT_TRUE(Has(poll, Call("buttons.SetTemperatureLevel", c.temperatureLevel)));
    }
}

}  // namespace
}  // namespace varden::testing
