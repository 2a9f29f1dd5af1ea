#include <gtest/gtest.h>

#include <algorithm>

#include "core/source/iris_dialog.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Calls = std::vector<std::string>;

// Which sources answer DeviceActive. The lamp is unit 2 and the LED unit 3, so a command sent
// to the wrong source or with the wrong device number shows in the log.
enum class Attached { None, Lamp, Led, Both };

class SourceCommandsTest : public ControllerFixture {
  protected:
    void Attach(Attached attached) {
        if (attached == Attached::Lamp || attached == Attached::Both) {
            fake.lamp.Attach(2);
        }
        if (attached == Attached::Led || attached == Attached::Both) {
            fake.led.Attach(3);
        }
        dlg.lampDevice = 2;
        dlg.ledDevice = 3;
        InstallDrivers();
    }
};

struct ButtonCase {
    const char* name;
    Attached attached;
    int event;
    uint8_t argument;
    bool feedbackOn;
    std::optional<MessageAnswer> answer;
    Calls expected;
};

const Calls kAskLamp{"lamp.DeviceActive(2)"};
const Calls kAskBoth{"lamp.DeviceActive(2)", "led.DeviceActive(3)"};

Calls Then(Calls calls, const Calls& more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

const std::string kLampOffQuestion =
    "shell.ShowMessage(Do you want to turn off the lamp?|Lamp Off Confirmation)";

const ButtonCase kButtonCases[] = {
    // Lamp switch: lamp source only, switching off asks first.
    {"LampOn", Attached::Lamp, 102, 1, false, {}, Then(kAskLamp, {"lamp.TurnLampOn(2)"})},
    {"LampOffYes", Attached::Lamp, 102, 0, false, MessageAnswer::Yes,
     Then(kAskLamp, {kLampOffQuestion, "shell.Answer(Yes)", "lamp.TurnLampOff(2)"})},
    {"LampOffNo", Attached::Lamp, 102, 0, false, MessageAnswer::No,
     Then(kAskLamp, {kLampOffQuestion, "shell.Answer(No)"})},
    {"LampOffOnLed", Attached::Led, 102, 0, false, {}, kAskLamp},
    {"LampOnOnLed", Attached::Led, 102, 1, false, {}, kAskLamp},
    // Iris steps: blocked by feedback before any question.
    {"StepUpLamp",
     Attached::Lamp,
     103,
     0,
     false,
     {},
     Then(kAskLamp, {"lamp.IncrementIrisSetting(2)"})},
    {"StepUpLed",
     Attached::Led,
     103,
     0,
     false,
     {},
     Then(kAskBoth, {"led.IncrementIrisSetting(3)"})},
    {"StepUpNone", Attached::None, 103, 0, false, {}, kAskBoth},
    {"StepUpFeedback", Attached::Lamp, 103, 0, true, {}, {}},
    {"StepDownLamp",
     Attached::Lamp,
     112,
     0,
     false,
     {},
     Then(kAskLamp, {"lamp.DecrementIrisSetting(2)"})},
    {"StepDownLed",
     Attached::Led,
     112,
     0,
     false,
     {},
     Then(kAskBoth, {"led.DecrementIrisSetting(3)"})},
    {"StepDownFeedback", Attached::Led, 112, 0, true, {}, {}},
    // Shutter.
    {"ShutterOpenLamp", Attached::Lamp, 104, 7, false, {}, Then(kAskLamp, {"lamp.OpenShutter(2)"})},
    {"ShutterCloseLed", Attached::Led, 104, 0, false, {}, Then(kAskBoth, {"led.CloseShutter(3)"})},
    {"ShutterNone", Attached::None, 104, 1, false, {}, kAskBoth},
    // Feedback: without an active lamp source the LED library gets it unasked.
    {"FeedbackOnLamp", Attached::Lamp, 105, 1, false, {}, Then(kAskLamp, {"lamp.TurnCLFOn(2)"})},
    {"FeedbackOffLed", Attached::Led, 105, 0, true, {}, Then(kAskLamp, {"led.TurnCLFOff(3)"})},
    {"FeedbackOnNone", Attached::None, 105, 1, false, {}, Then(kAskLamp, {"led.TurnCLFOn(3)"})},
    // Front-panel lock sequences.
    {"LockLamp",
     Attached::Lamp,
     107,
     1,
     false,
     {},
     Then(kAskLamp,
          {"lamp.SendConnect(2)", "lamp.EnablePCShutterControl(2)", "lamp.LockFrontPanel(2)"})},
    {"UnlockLamp",
     Attached::Lamp,
     107,
     0,
     false,
     {},
     Then(kAskLamp,
          {"lamp.UnlockFrontPanel(2)", "lamp.DisableShutterControl(2)", "lamp.SendDisConnect(2)"})},
    {"LockLed",
     Attached::Led,
     107,
     1,
     false,
     {},
     Then(kAskBoth,
          {"led.SendConnect(3)", "led.EnablePCShutterControl(3)", "led.LockFrontPanel(3)"})},
    {"UnlockLedKeepsConnection",
     Attached::Led,
     107,
     0,
     false,
     {},
     Then(kAskBoth, {"led.UnlockFrontPanel(3)", "led.DisableShutterControl(3)"})},
    {"LockNone", Attached::None, 107, 1, false, {}, kAskBoth},
    // Alarm clear: always the lamp library, unasked.
    {"AlarmLamp", Attached::Lamp, 108, 0, false, {}, {"lamp.ClearAlarm(2)"}},
    {"AlarmLedOnly", Attached::Led, 108, 0, false, {}, {"lamp.ClearAlarm(2)"}},
    // Both sources active: the lamp source takes every command.
    {"BothStepUp",
     Attached::Both,
     103,
     0,
     false,
     {},
     Then(kAskLamp, {"lamp.IncrementIrisSetting(2)"})},
    {"BothShutter", Attached::Both, 104, 0, false, {}, Then(kAskLamp, {"lamp.CloseShutter(2)"})},
    {"BothUnlock",
     Attached::Both,
     107,
     0,
     false,
     {},
     Then(kAskLamp,
          {"lamp.UnlockFrontPanel(2)", "lamp.DisableShutterControl(2)", "lamp.SendDisConnect(2)"})},
    // Unused event numbers.
    {"Event106", Attached::Both, 106, 1, false, {}, {}},
    {"Event109", Attached::Both, 109, 1, false, {}, {}},
    {"Event110", Attached::Both, 110, 1, false, {}, {}},
    {"Event111", Attached::Both, 111, 1, false, {}, {}},
};

TEST_F(SourceCommandsTest, ButtonEventsReachTheActiveSource) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.name);
        fake.lamp.units.clear();
        fake.led.units.clear();
        Attach(c.attached);
        dlg.feedbackOn = c.feedbackOn;
        if (c.answer) {
            shell.messageAnswers.push_back(*c.answer);
        }
        dlg.OnButtonPanelEvent(c.event, c.argument);
        EXPECT_EQ(log.Entries(), c.expected) << log.Dump();
        EXPECT_TRUE(shell.messageAnswers.empty());
    }
}

// ---- Iris or power setting (event 113) ----

TEST_F(SourceCommandsTest, IrisSettingOnLampReadsTheSourceAndSendsThePower) {
    FakeSource& lamp = fake.lamp.Attach(2);
    lamp.percent = 40;
    lamp.outputPower = 12345;
    lamp.calibrationHours = 9;
    Attach(Attached::Lamp);
    dlg.powerFactor = 1000;
    dlg.calibrationHours = 9;
    CIrisDialog seen;
    shell.QueueDialog<CIrisDialog>([&seen](CIrisDialog& d) {
        seen = d;
        d.m_power = 777;
        d.m_percentage = 55;
        return DialogResult::Ok;
    });

    dlg.OnButtonPanelEvent(113, 0);

    EXPECT_EQ(log.Entries(),
              (Calls{"lamp.DeviceActive(2)", "lamp.GetPercentageLevel(2)", "lamp.GetOutputPower(2)",
                     "lamp.GetCalibrationTime(2)", "shell.RunModal(CIrisDialog)",
                     "shell.Answer(Ok)", "lamp.SetOutputPower(2,777)"}));
    EXPECT_EQ(seen.m_percentage, 40);
    EXPECT_EQ(seen.m_power, 12345);
    EXPECT_EQ(seen.m_calibrationHours, 9);
    EXPECT_EQ(seen.m_powerFactor, 1000);
    EXPECT_TRUE(seen.m_powerKnown);
}

TEST_F(SourceCommandsTest, IrisSettingOnLedReadsNoPowerAndUsesFactor100) {
    FakeSource& led = fake.led.Attach(3);
    led.percent = 25;
    led.calibrationHours = 4;
    Attach(Attached::Led);
    dlg.powerFactor = 10000;
    CIrisDialog seen;
    shell.QueueDialog<CIrisDialog>([&seen](CIrisDialog& d) {
        seen = d;
        d.m_percentage = 60;
        return DialogResult::Ok;
    });

    dlg.OnButtonPanelEvent(113, 0);

    EXPECT_EQ(log.Entries(),
              (Calls{"lamp.DeviceActive(2)", "led.DeviceActive(3)", "led.GetPercentageLevel(3)",
                     "led.GetCalibrationTime(3)", "shell.RunModal(CIrisDialog)", "shell.Answer(Ok)",
                     "led.SetPercentageLevel(3,60)"}));
    EXPECT_EQ(seen.m_percentage, 25);
    EXPECT_EQ(seen.m_calibrationHours, 4);
    EXPECT_EQ(seen.m_powerFactor, 100);
    EXPECT_FALSE(seen.m_powerKnown);
}

TEST_F(SourceCommandsTest, IrisSettingWithNoSourceShowsNoDialog) {
    Attach(Attached::None);
    dlg.OnButtonPanelEvent(113, 0);
    EXPECT_EQ(log.Entries(), kAskBoth);
}

// What OK sends is decided by feedback and calibration as the poll cycle leaves them when the
// dialog closes, on the source chosen before it opened.
struct SettingCase {
    const char* name;
    Attached attached;
    int32_t feedbackBefore;
    int32_t feedbackDuring;
    uint8_t hoursBefore;
    uint8_t hoursDuring;
    DialogResult result;
    Calls sent;
};

const SettingCase kSettingCases[] = {
    {"CalibratedLamp",
     Attached::Lamp,
     0,
     0,
     5,
     5,
     DialogResult::Ok,
     {"lamp.SetOutputPower(2,321)"}},
    {"UncalibratedLamp",
     Attached::Lamp,
     0,
     0,
     0,
     0,
     DialogResult::Ok,
     {"lamp.SetPercentageLevel(2,33)"}},
    {"LampCalibratedWhileOpen",
     Attached::Lamp,
     0,
     0,
     0,
     5,
     DialogResult::Ok,
     {"lamp.SetOutputPower(2,321)"}},
    {"LampCalibrationLostWhileOpen",
     Attached::Lamp,
     0,
     0,
     5,
     0,
     DialogResult::Ok,
     {"lamp.SetPercentageLevel(2,33)"}},
    {"Cancelled", Attached::Lamp, 0, 0, 0, 0, DialogResult::Cancel, {}},
    {"FeedbackOnThroughout", Attached::Lamp, 1, 1, 0, 0, DialogResult::Ok, {}},
    {"FeedbackSwitchedOnWhileOpen", Attached::Lamp, 0, 1, 5, 5, DialogResult::Ok, {}},
    {"FeedbackSwitchedOffWhileOpen",
     Attached::Lamp,
     1,
     0,
     0,
     0,
     DialogResult::Ok,
     {"lamp.SetPercentageLevel(2,33)"}},
    {"UncalibratedLed",
     Attached::Led,
     0,
     0,
     0,
     0,
     DialogResult::Ok,
     {"led.SetPercentageLevel(3,33)"}},
    {"CalibratedLedTakesNothing", Attached::Led, 0, 0, 3, 3, DialogResult::Ok, {}},
    {"LedFeedbackWhileOpen", Attached::Led, 0, 1, 0, 0, DialogResult::Ok, {}},
    {"BothGoToLamp",
     Attached::Both,
     0,
     0,
     0,
     0,
     DialogResult::Ok,
     {"lamp.SetPercentageLevel(2,33)"}},
};

TEST_F(SourceCommandsTest, IrisSettingSendsByStateAtClose) {
    for (const SettingCase& c : kSettingCases) {
        SCOPED_TRACE(c.name);
        fake.lamp.units.clear();
        fake.led.units.clear();
        Attach(c.attached);
        dlg.feedbackOn = c.feedbackBefore;
        dlg.calibrationHours = c.hoursBefore;
        shell.duringPrompt = [&](const std::string&) {
            dlg.feedbackOn = c.feedbackDuring;
            dlg.calibrationHours = c.hoursDuring;
            // The LED source stops answering while the dialog is open; the choice stands.
            fake.led.units.clear();
        };
        const DialogResult result = c.result;
        shell.QueueDialog<CIrisDialog>([result](CIrisDialog& d) {
            d.m_percentage = 33;
            d.m_power = 321;
            return result;
        });

        dlg.OnButtonPanelEvent(113, 0);

        const auto& entries = log.Entries();
        auto answer = std::find_if(entries.begin(), entries.end(), [](const std::string& e) {
            return e.rfind("shell.Answer", 0) == 0;
        });
        ASSERT_NE(answer, entries.end()) << log.Dump();
        EXPECT_EQ(Calls(answer + 1, entries.end()), c.sent) << log.Dump();
    }
}

}  // namespace
}  // namespace varden::testing
