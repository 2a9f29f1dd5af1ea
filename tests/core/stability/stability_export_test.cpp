#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/controller_fixture.h"
#include "support/temp_folder.h"

namespace varden::testing {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr const char* kHead =
    "Irvel Calibration Due Date: 03/14/14\r\n"
    "Time (min),Real Time,% Deviation from SetPoint,Event Description\r\n";

// The clock stands at 14:00:00 on 14 March 2013 (local time is UTC in the tests).
class StabilityExportTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        dlg.calDueDate = {3, 14, 14};
        path = temp / "run.csv";
    }

    // A path whose writes fail as on a full disk.
    std::string FullDiskPath() {
        const fs::path link = folder / "full.csv";
        fs::create_symlink("/dev/full", link);
        return link.string();
    }

    void Record(const std::vector<std::pair<uint32_t, double>>& samples,
                const std::vector<std::pair<uint32_t, std::string>>& events) {
        dlg.record.Create();
        for (auto [seconds, deviation] : samples) {
            dlg.record.samples.Append(StabilitySample{seconds, deviation});
        }
        for (const auto& [seconds, text] : events) {
            dlg.AppendEvent(text, seconds);
        }
        dlg.unsaved = !samples.empty();
    }
    // Exports to `path` and gives the file's body (what follows the two head lines).
    std::string ExportBody() {
        shell.savePaths = {path};
        dlg.OnSaveStabilityGraphDataAs();
        const std::string text = ReadFileBytes(path);
        EXPECT_EQ(text.substr(0, std::strlen(kHead)), kHead);
        return text.size() < std::strlen(kHead) ? text : text.substr(std::strlen(kHead));
    }

    TempFolder temp;
    const fs::path& folder = temp.Path();
    std::string path;
};

TEST_F(StabilityExportTest, WritesTheWorkedExampleByteForByte) {
    dlg.sampleInterval = 10;
    Record({{10, 0.0}, {20, 0.5}, {30, -0.25}}, {{20, "Shutter Closed"}, {25, "check"}});
    shell.savePaths = {folder.string() + "/Run"};
    dlg.OnSaveStabilityGraphDataAs();

    EXPECT_EQ(ReadFileBytes(folder / "run.csv"),
              std::string(kHead) +
                  "0.17,03/14/2013 13:59:40,0.00\r\n"
                  "0.33,03/14/2013 13:59:50,0.50,Shutter Closed\r\n"
                  "0.42,03/14/2013 13:59:55,-0.25,check\r\n"
                  "0.50,03/14/2013 14:00:00,-0.25\r\n");
    EXPECT_FALSE(dlg.unsaved);
    EXPECT_FALSE(log.Contains("shell.ShowMessage"));
}

TEST_F(StabilityExportTest, MergesEventsIntoTheSampleRowsByTime) {
    struct Case {
        const char* name;
        std::vector<std::pair<uint32_t, double>> samples;
        std::vector<std::pair<uint32_t, std::string>> events;
        std::string body;
    };
    const Case cases[] = {
        {"events before the first and after the last sample",
         {{60, 1.0}, {120, 2.0}},
         {{30, "early"}, {150, "late"}, {180, "later"}},
         "0.50,03/14/2013 13:58:30,1.00,early\r\n"
         "1.00,03/14/2013 13:59:00,1.00\r\n"
         "2.00,03/14/2013 14:00:00,2.00\r\n"
         "2.50,03/14/2013 14:00:30,2.00,late\r\n"
         "3.00,03/14/2013 14:01:00,2.00,later\r\n"},
        {"two events with a sample's seconds",
         {{60, 1.0}, {120, 2.0}},
         {{60, "first"}, {60, "second"}},
         "1.00,03/14/2013 13:59:00,1.00,first\r\n"
         "1.00,03/14/2013 13:59:00,2.00,second\r\n"
         "2.00,03/14/2013 14:00:00,2.00\r\n"},
        {"rows at 0 seconds are left out",
         {{0, 0.0}, {60, 1.0}},
         {{0, "Shutter Opened"}, {30, "kept"}},
         "0.50,03/14/2013 13:59:30,1.00,kept\r\n"
         "1.00,03/14/2013 14:00:00,1.00\r\n"},
        {"texts that would break the columns are quoted",
         {{60, -0.004}},
         {{60, "check, \"twice\""}, {61, "two\nlines"}},
         "1.00,03/14/2013 14:00:00,-0.00,\"check, \"\"twice\"\"\"\r\n"
         "1.02,03/14/2013 14:00:01,-0.00,\"two\nlines\"\r\n"},
    };
    for (const Case& c : cases) {
        Record(c.samples, c.events);
        EXPECT_EQ(ExportBody(), c.body) << c.name;
    }
}

TEST_F(StabilityExportTest, WritesNothingWhenCancelledOrWithoutSamples) {
    Record({}, {{10, "event only"}});
    shell.savePaths = {path};
    dlg.OnSaveStabilityGraphDataAs();
    EXPECT_FALSE(fs::exists(path));

    Record({{10, 0.0}}, {});
    dlg.OnSaveStabilityGraphDataAs();  // the dialog is cancelled
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(dlg.unsaved);
    EXPECT_FALSE(log.Contains("shell.ShowMessage"));
}

TEST_F(StabilityExportTest, ExportWhileRecordingIncludesSamplesTakenDuringTheDialog) {
    fake.lamp.Attach(0).adReading = 1000;
    dlg.feedbackOn = 1;
    dlg.OnStabilityCommand(0);
    clock.Advance(10);
    dlg.RecordingStep();
    // The command is chosen at 14:00:10; the operator takes 12 s to choose the file.
    shell.duringPrompt = [this](const std::string&) {
        fake.lamp[0].adReading = 1010;
        clock.Advance(12);
        dlg.RecordingStep();
    };
    EXPECT_EQ(ExportBody(),
              "0.17,03/14/2013 14:00:00,0.00\r\n"
              "0.33,03/14/2013 14:00:10,1.00\r\n");
    EXPECT_TRUE(dlg.recording);
}

TEST_F(StabilityExportTest, AFileThatCannotBeWrittenIsReportedAndTheRecordStaysUnsaved) {
    const std::pair<std::string, std::string> cases[] = {
        {folder.string() + "/missing/run.csv", "No such file or directory"},
        {FullDiskPath(), "No space left on device"},
    };
    for (const auto& [target, reason] : cases) {
        Record({{10, 0.0}, {20, 1.0}}, {{15, "check"}});
        log.Clear();
        shell.savePaths = {target};
        dlg.OnSaveStabilityGraphDataAs();
        const Strings messages = log.Matching({"shell.ShowMessage"});
        ASSERT_EQ(messages.size(), 1u) << target;
        EXPECT_NE(messages[0].find(target), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(reason), std::string::npos) << messages[0];
        EXPECT_TRUE(dlg.unsaved) << target;
        EXPECT_EQ(dlg.record.samples.Count(), 2u);
    }
}

// Starting over a record that holds unexported samples asks first.
class SaveQuestionTest : public StabilityExportTest {
  protected:
    void SetUp() override {
        StabilityExportTest::SetUp();
        fake.lamp.Attach(0);
        dlg.feedbackOn = 1;
        Record({{10, 0.5}}, {});
        log.Clear();
    }
    const char* Question() const {
        return "shell.ShowMessage(Do you want to save the previous log file?|Orvane ovata)";
    }
};

TEST_F(SaveQuestionTest, CancelKeepsEverything) {
    shell.messageAnswers = {MessageAnswer::Cancel};
    dlg.OnStabilityCommand(0);
    EXPECT_EQ(log.Entries(), (Strings{Question(), "shell.Answer(Cancel)"}));
    EXPECT_FALSE(dlg.recording);
    EXPECT_TRUE(dlg.unsaved);
    EXPECT_EQ(dlg.record.samples.Count(), 1u);
}

TEST_F(SaveQuestionTest, NoStartsWithoutExporting) {
    shell.messageAnswers = {MessageAnswer::No};
    dlg.OnStabilityCommand(0);
    EXPECT_EQ(log.Matching({"shell.", "chart.ClearData"}),
              (Strings{Question(), "shell.Answer(No)", "chart.ClearData()"}));
    EXPECT_TRUE(dlg.recording);
    EXPECT_EQ(dlg.record.samples.Count(), 0u);
}

TEST_F(SaveQuestionTest, YesExportsThenStartsEvenWhenTheFileDialogIsCancelled) {
    shell.messageAnswers = {MessageAnswer::Yes};
    shell.savePaths = {path};
    dlg.OnStabilityCommand(0);
    EXPECT_EQ(ReadFileBytes(path), std::string(kHead) + "0.17,03/14/2013 14:00:00,0.50\r\n");
    EXPECT_TRUE(dlg.recording);
    EXPECT_FALSE(dlg.unsaved);

    dlg.recording = false;
    clock.Advance(10);
    dlg.unsaved = true;
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnStabilityCommand(0);  // the file dialog is cancelled: the start goes on
    EXPECT_TRUE(dlg.recording);
}

TEST_F(SaveQuestionTest, YesWithAFailedExportKeepsTheRecord) {
    shell.messageAnswers = {MessageAnswer::Yes};
    shell.savePaths = {FullDiskPath()};
    dlg.OnStabilityCommand(0);
    EXPECT_EQ(log.Matching({"shell.ShowMessage"}).size(), 2u) << log.Dump();
    EXPECT_FALSE(dlg.recording);
    EXPECT_TRUE(dlg.unsaved);
    EXPECT_EQ(dlg.record.samples.Count(), 1u);
}

}  // namespace
}  // namespace varden::testing
