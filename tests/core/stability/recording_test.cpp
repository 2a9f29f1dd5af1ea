#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/stability/event_entry.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Strings = std::vector<std::string>;

// A lamp source under closed-loop feedback at unit 0, and the page's interval at 10 s.
class RecordingTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        fake.lamp.Attach(0).adReading = 1000;
        dlg.feedbackOn = 1;
        tab.sampleInterval = 10;
        // The event detection's check for a lost connection.
        fake.quiet = {"lamp.GetNumDevicesConnected", "led.GetNumDevicesConnected"};
    }
    void Start() { dlg.OnStabilityCommand(0); }
    // One recording step after `seconds` more on the clock.
    void StepAfter(int seconds) {
        clock.Advance(seconds);
        dlg.RecordingStep();
    }
    // A remark entered through the event-entry dialog.
    void Remark(const std::string& text) {
        shell.QueueDialog<CEventEntry>([text](CEventEntry& d) {
            d.OnDescriptionFocusLost(text);
            return DialogResult::Ok;
        });
        dlg.OnAnnotationRequested();
    }
    std::vector<std::pair<uint32_t, double>> Samples() const {
        std::vector<std::pair<uint32_t, double>> list;
        dlg.record.samples.ForEach([&](const StabilitySample& s) {
            // Rounded to a millionth of a percent, far below the two decimals written.
            list.emplace_back(s.seconds, std::round(s.deviation * 1e6) / 1e6);
        });
        return list;
    }
    std::vector<std::pair<uint32_t, std::string>> Events() const {
        std::vector<std::pair<uint32_t, std::string>> list;
        dlg.record.events.ForEach(
            [&](const StabilityEvent& e) { list.emplace_back(e.seconds, e.text); });
        return list;
    }
};

TEST_F(RecordingTest, StartPreparesChartPanelAndAnEmptyRecord) {
    tab.sampleInterval = 5;
    dlg.shutterOpen = 1;
    dlg.percentLevel = 40;
    Start();

    EXPECT_EQ(log.Entries(), (Strings{"chart.ClearData()", "tab.GetSampleInterval(0,0)",
                                      "tab.EnableStabilityStart(0)", "tab.EnableStabilityStop(1)",
                                      "tab.EnableStabilityPause(1)"}));
    EXPECT_TRUE(dlg.recording);
    EXPECT_FALSE(dlg.unsaved);
    EXPECT_EQ(dlg.sampleInterval, 5);
    EXPECT_EQ(dlg.lastSampleTime, clock.now);
    EXPECT_EQ(dlg.record.samples.Count(), 0u);
    EXPECT_EQ(dlg.record.samples.Capacity(), 100u);
    EXPECT_EQ(dlg.record.events.Capacity(), 10u);
    // The state at the start is the baseline for the events.
    EXPECT_EQ(dlg.prevShutterOpen, 1);
    EXPECT_EQ(dlg.prevPercentLevel, 40);
    EXPECT_EQ(dlg.prevFeedbackOn, 1);
}

TEST_F(RecordingTest, StartIsIgnoredWithoutFeedbackOrWhileRecording) {
    dlg.feedbackOn = 0;
    Start();
    EXPECT_FALSE(dlg.recording);
    EXPECT_FALSE(dlg.record.Exists());

    dlg.feedbackOn = 1;
    Start();
    StepAfter(10);
    log.Clear();
    Start();  // a second start changes nothing, and asks nothing
    EXPECT_TRUE(log.Entries().empty()) << log.Dump();
    EXPECT_EQ(dlg.record.samples.Count(), 1u);
}

TEST_F(RecordingTest, SamplesAreDeviationsFromTheFirstReadingOnceEachInterval) {
    Start();
    log.Clear();
    StepAfter(9);  // not yet an interval: no reading
    EXPECT_TRUE(log.Entries().empty()) << log.Dump();

    StepAfter(1);
    EXPECT_EQ(log.Entries(), (Strings{"lamp.DeviceActive(0)", "lamp.ReturnADReading(0,650)",
                                      "chart.SetXAxisRange(0,1)", "chart.AddXValue(0.166667)",
                                      "chart.SetYValue(0,-1,0)"}));
    fake.lamp[0].adReading = 1050;
    StepAfter(10);
    fake.lamp[0].adReading = 990;
    StepAfter(12);  // late: the next interval counts from here
    StepAfter(9);
    StepAfter(1);

    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{
                             {10, 0.0}, {20, 5.0}, {30, -1.0}, {40, -1.0}}));
    EXPECT_EQ(dlg.referenceReading, 1000);
    EXPECT_TRUE(dlg.unsaved);
}

TEST_F(RecordingTest, IntervalChangesTakeEffectAtTheNextSampleAndZeroSamplesEveryStep) {
    Start();
    StepAfter(10);
    dlg.OnTabPanelEvent(kSampleIntervalChanged, 70);
    StepAfter(60);
    EXPECT_EQ(dlg.record.samples.Count(), 1u);
    log.Clear();
    StepAfter(10);
    EXPECT_TRUE(log.Contains("lamp.ReturnADReading(0,4550)"));
    EXPECT_TRUE(log.Contains("chart.SetXAxisRange(0,2)"));  // 80 s: the axis ends at 2 minutes

    // Interval 0: every step is a first sample at elapsed time 0.
    dlg.recording = false;
    dlg.unsaved = false;
    tab.sampleInterval = 0;
    Start();
    fake.lamp[0].adReading = 700;
    dlg.RecordingStep();
    fake.lamp[0].adReading = 900;
    dlg.RecordingStep();
    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{{0, 0.0}, {0, 0.0}}));
    EXPECT_EQ(dlg.referenceReading, 900);
}

TEST_F(RecordingTest, PausedTimeIsNotCounted) {
    Start();
    StepAfter(10);
    dlg.OnStabilityCommand(1);  // pause
    EXPECT_FALSE(dlg.recording);
    clock.Advance(60);
    dlg.OnStabilityCommand(1);  // resume
    EXPECT_TRUE(dlg.recording);
    StepAfter(4);
    Remark("after resume");
    StepAfter(6);

    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{{10, 0.0}, {20, 0.0}}));
    EXPECT_EQ(Events(), (std::vector<std::pair<uint32_t, std::string>>{{14, "after resume"}}));
}

TEST_F(RecordingTest, ArraysGrowWhenFullWithoutLosingEntries) {
    tab.sampleInterval = 1;
    Start();
    for (int i = 1; i <= 200; ++i) {
        fake.lamp[0].adReading = static_cast<uint16_t>(999 + i);
        StepAfter(1);
        if (i == 99) {
            EXPECT_EQ(dlg.record.samples.Capacity(), 100u);
        }
        if (i == 100) {
            EXPECT_EQ(dlg.record.samples.Capacity(), 200u);
        }
    }
    EXPECT_EQ(dlg.record.samples.Capacity(), 300u);
    EXPECT_EQ(dlg.record.samples[199].seconds, 200u);
    EXPECT_NEAR(dlg.record.samples[199].deviation, 19.9, 1e-9);

    for (int i = 0; i < 10; ++i) {
        dlg.AppendEvent("e" + std::to_string(i), static_cast<uint32_t>(i));
    }
    EXPECT_EQ(dlg.record.events.Count(), 10u);
    EXPECT_EQ(dlg.record.events.Capacity(), 20u);
    EXPECT_STREQ(dlg.record.events[9].text, "e9");
}

TEST_F(RecordingTest, StopTakesAFinalStepAndKeepsTheRecord) {
    Start();
    StepAfter(10);
    clock.Advance(10);
    log.Clear();
    dlg.OnStabilityCommand(2);
    EXPECT_EQ(log.Matching({"tab.", "lamp.ReturnADReading"}),
              (Strings{"lamp.ReturnADReading(0,650)", "tab.EnableStabilityStart(1)",
                       "tab.EnableStabilityPause(0)", "tab.EnableStabilityStop(0)"}));
    EXPECT_FALSE(dlg.recording);
    EXPECT_EQ(dlg.record.samples.Count(), 2u);

    log.Clear();
    dlg.OnStabilityCommand(2);  // nothing runs
    dlg.OnStabilityCommand(7);  // not a command
    EXPECT_TRUE(log.Entries().empty()) << log.Dump();
}

TEST_F(RecordingTest, AStepWithoutAnActiveLampStoresNoSampleButItsEvents) {
    dlg.shutterOpen = 1;
    Start();
    StepAfter(10);
    fake.lamp[0].active = 0;
    dlg.shutterOpen = 0;
    clock.Advance(10);
    log.Clear();
    dlg.StopRecording();
    EXPECT_FALSE(log.Contains("lamp.ReturnADReading(0,650)"));
    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{{10, 0.0}}));
    EXPECT_EQ(chart.points.size(), 1u);
    EXPECT_EQ(Events(), (std::vector<std::pair<uint32_t, std::string>>{{20, "Shutter Closed"}}));
}

// Through the poll cycle: a recording under feedback, stopped when the source reports feedback off.
TEST_F(RecordingTest, ThePollCycleSamplesAndStopsWhenFeedbackGoesOff) {
    FakeSource& lamp = fake.lamp[0];
    lamp.statusExt[0] = 1;  // closed-loop feedback on
    lamp.status[3] = 1;     // shutter open
    dlg.axesPending = false;
    Ticks(1);
    Start();
    Ticks(60);
    lamp.status[3] = 0;
    Ticks(138);  // to 19.9 s: the sample at 10 s is taken on the way
    lamp.adReading = 1020;
    lamp.statusExt[0] = 0;
    log.Clear();
    Ticks(1);  // at 20 s the final step takes its sample

    EXPECT_FALSE(dlg.recording);
    EXPECT_EQ(log.Matching({"tab.EnableStability"}),
              (Strings{"tab.EnableStabilityStart(1)", "tab.EnableStabilityPause(0)",
                       "tab.EnableStabilityStop(0)"}));
    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{{10, 0.0}, {20, 2.0}}));
    EXPECT_EQ(Events(), (std::vector<std::pair<uint32_t, std::string>>{
                            {6, "Shutter Closed"}, {20, "Closed Loop Feedback Off"}}));
}

TEST_F(RecordingTest, ARecordWhoseFirstReadingIsZeroIsHeldAndNeverDividesByIt) {
    fake.lamp[0].adReading = 0;
    Start();
    log.Clear();
    StepAfter(10);
    EXPECT_FALSE(dlg.recording);
    EXPECT_TRUE(log.Matching({"tab."}).empty());  // the page stays as during the recording
    EXPECT_EQ(Samples(), (std::vector<std::pair<uint32_t, double>>{{10, 0.0}}));

    // Resume is refused; the page offers a new start instead.
    fake.lamp[0].adReading = 1000;
    dlg.OnStabilityCommand(1);
    EXPECT_FALSE(dlg.recording);
    EXPECT_EQ(log.Matching({"tab."}),
              (Strings{"tab.EnableStabilityStart(1)", "tab.EnableStabilityPause(0)",
                       "tab.EnableStabilityStop(0)"}));
    StepAfter(10);  // even a step that should not run finds no reference to divide by
    for (const auto& point : chart.points) {
        EXPECT_TRUE(std::isfinite(point.y));
    }
    EXPECT_EQ(dlg.record.samples.Count(), 1u);

    // A new recording measures against its own first reading.
    shell.messageAnswers = {MessageAnswer::No};
    Start();
    StepAfter(10);
    EXPECT_TRUE(dlg.recording);
    EXPECT_EQ(dlg.referenceReading, 1000);
}

TEST_F(RecordingTest, SelectingPagesShowsTheChartOnlyWithTheStabilityPage) {
    const std::pair<uint8_t, const char*> cases[] = {
        {0, "shell.ShowChild(StripChart,0)"},
        {4, "shell.ShowChild(StripChart,0)"},
        {5, "shell.ShowChild(StripChart,1)"},
        {6, nullptr},
    };
    for (auto [page, expected] : cases) {
        log.Clear();
        dlg.OnTabPanelEvent(kPageSelected, page);
        EXPECT_EQ(log.Entries(), expected ? Strings{expected} : Strings{}) << int(page);
        EXPECT_EQ(dlg.selectedPage, page);
    }
}

TEST_F(RecordingTest, RemarksAreStampedWhenEnteredAndKeptWhenTheRecordingStopsMeanwhile) {
    dlg.OnAnnotationRequested();  // no recording: no dialog
    EXPECT_FALSE(log.Contains("shell.RunModal(CEventEntry)"));

    Start();
    StepAfter(10);
    clock.Advance(3);
    shell.QueueDialog<CEventEntry>([](CEventEntry&) { return DialogResult::Cancel; });
    dlg.OnAnnotationRequested();
    EXPECT_EQ(dlg.record.events.Count(), 0u);

    // The operator takes 11 s to type; a sample is taken and the recording stops meanwhile.
    shell.duringPrompt = [this](const std::string&) {
        clock.Advance(11);
        dlg.StopRecording();
    };
    Remark(std::string(150, 'x'));
    EXPECT_FALSE(dlg.recording);
    EXPECT_EQ(Events(),
              (std::vector<std::pair<uint32_t, std::string>>{{20, std::string(99, 'x')}}));

    shell.duringPrompt = nullptr;
    log.Clear();
    dlg.OnStripChartEvent(kAnnotationRequested);  // stopped: nothing
    EXPECT_TRUE(log.Entries().empty()) << log.Dump();
}

TEST(EventEntryTest, KeepsAtMost99BytesWithoutSplittingACharacter) {
    CEventEntry dialog;
    EXPECT_TRUE(dialog.m_description.empty());
    const std::string a98(98, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"check", "check"},
        {std::string(99, 'y'), std::string(99, 'y')},
        {std::string(100, 'y'), std::string(99, 'y')},
        {a98 + "\xC3\xA9"
               "b",
         a98},  // UTF-8 é across the limit
        {a98 + "\xB5"
               "ab",
         a98 + "\xB5"},  // a Latin-1 byte is one character
    };
    for (const auto& [typed, kept] : cases) {
        dialog.OnDescriptionFocusLost(typed);
        EXPECT_EQ(dialog.m_description, kept) << typed;
    }
}

}  // namespace
}  // namespace varden::testing
