#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/controller_fixture.h"
#include "support/temp_folder.h"

namespace varden::testing {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr const char* kObtaining =
    "shell.ShowMessage(Obtaining Data Log, this may take a few minutes.|Obtaining Data Log)";

// The reading of the worked example: 14 March 2013, 15:17:56.
constexpr FakeStoredReading kExample{0x1A6E, 0x7A3C, 0.0125f, 1, 1234};

// A power meter at unit 0 whose data-log requests are the only calls logged.
class DataLogTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        fake.meter.Attach(0);
        fake.quiet = {"lamp.UpdateData", "meter.UpdateData", "lamp.GetNumDevicesConnected",
                      "meter.GetNumDevicesConnected", "led.GetNumDevicesConnected"};
        dlg.powerFactor = 10000;
        dlg.axesPending = false;
    }
    FakeMeter& Meter() { return fake.meter[0]; }
    // The log without the retry pauses.
    Strings Requests() const { return log.Without({"clock.", "shell.Answer"}); }
};

TEST_F(DataLogTest, DownloadsEveryReadingIntoTheTable) {
    Meter().stored = {kExample, {0x1A6E, 0x7A3D, 0.5f, 2, 7}, {0x1A6F, 0x0000, 0.0f, 0, 0}};
    dlg.OnDownloadDataLog();
    EXPECT_EQ(
        Requests(),
        (Strings{
            kObtaining, "meter.RequestNumStoredReadings(0)", "meter.RequestReadingNumber(0)",
            "meter.RequestStoredReading(0)", "tab.AddDataLogRow(0,2013-03-14 15:17:56,12.5,1,1234)",
            "meter.RequestNextStoredReading(0)", "meter.RequestStoredReading(0)",
            "tab.AddDataLogRow(1,2013-03-14 15:17:58,500,2,7)", "meter.RequestNextStoredReading(0)",
            "meter.RequestStoredReading(0)", "tab.AddDataLogRow(2,2013-03-15 00:00:00,0,0,0)",
            "meter.RequestNextStoredReading(0)"}));
}

TEST_F(DataLogTest, PowerIsScaledByTheLampsPowerFactor) {
    const std::pair<uint16_t, float> cases[] = {{1000, 50.0f}, {10000, 500.0f}, {0, 500.0f}};
    for (auto [factor, expected] : cases) {
        tab.dataLog.clear();
        Meter().stored = {{0x1A6E, 0, 0.5f, 0, 0}};
        dlg.powerFactor = factor;
        dlg.OnDownloadDataLog();
        ASSERT_EQ(tab.dataLog.size(), 1u);
        EXPECT_FLOAT_EQ(tab.dataLog[0].power, expected) << factor;
    }
}

TEST_F(DataLogTest, EndsEarlyWhenTheMeterHasNothingToGive) {
    dlg.OnDownloadDataLog();  // no readings
    EXPECT_EQ(Requests(), (Strings{kObtaining, "meter.RequestNumStoredReadings(0)",
                                   "meter.RequestReadingNumber(0)"}));
    log.Clear();
    Meter().storedCount = 0xFFFF;  // the log cannot be read
    dlg.OnDownloadDataLog();
    EXPECT_EQ(Requests(), (Strings{kObtaining, "meter.RequestNumStoredReadings(0)"}));
    EXPECT_TRUE(tab.dataLog.empty());
}

TEST_F(DataLogTest, ALateMeterIsWaitedForWithPausesAndPollTicks) {
    Meter().stored = {kExample};
    Meter().notReadyAnswers = 3;
    dlg.OnDownloadDataLog();
    EXPECT_EQ(tab.dataLog.size(), 1u);
    // Four requests, each answered at the fourth try after three pauses and ticks.
    EXPECT_EQ(log.Count("clock.SleepMs(50)"), 12);
    EXPECT_EQ(log.Count("meter.RequestStoredReading(0)"), 4);
    // Each pause is followed by a poll tick, which keeps the drivers serviced.
    fake.quiet.clear();
    log.Clear();
    dlg.OnDownloadDataLog();
    const Strings& entries = log.Entries();
    const auto pause = std::find(entries.begin(), entries.end(), "clock.SleepMs(50)");
    ASSERT_NE(pause, entries.end());
    EXPECT_EQ(*(pause - 1), "meter.RequestNumStoredReadings(0)");
    EXPECT_EQ(*(pause + 1), "lamp.UpdateData()");
    EXPECT_FALSE(log.Contains("shell.ShowMessage(The power meter did not answer"));
}

TEST_F(DataLogTest, AMeterThatStopsAnsweringEndsTheDownloadWithTheRowsReceived) {
    Meter().stored = {kExample, kExample, kExample};
    int answered = 0;
    fake.Override(&MeterApi::RequestStoredReading,
                  [&](unsigned short, unsigned short* date, unsigned short* time, float* power,
                      unsigned char*, unsigned char* input, unsigned short* serial) {
                      if (answered == 2) {
                          return 0;  // the third reading never comes
                      }
                      ++answered;
                      *date = kExample.date, *time = kExample.time, *power = kExample.power;
                      *input = kExample.input, *serial = kExample.serial;
                      return 1;
                  });
    dlg.OnDownloadDataLog();
    EXPECT_EQ(tab.dataLog.size(), 2u);
    EXPECT_EQ(log.Count("meter.RequestStoredReading(0)"), 2 + 26);
    EXPECT_EQ(log.Count("clock.SleepMs(50)"), 25);
    EXPECT_EQ(log.Matching({"shell.ShowMessage"}).back(),
              "shell.ShowMessage(The power meter did not answer. 2 of 3 stored readings were "
              "downloaded.|Obtaining Data Log)");
}

TEST_F(DataLogTest, AMeterThatNeverAnswersAddsNoRows) {
    Meter().stored = {kExample};
    Meter().notReadyAnswers = 1000;
    dlg.OnDownloadDataLog();
    EXPECT_TRUE(tab.dataLog.empty());
    EXPECT_EQ(log.Count("meter.RequestNumStoredReadings(0)"), 26);
    EXPECT_FALSE(log.Contains("meter.RequestReadingNumber(0)"));
    EXPECT_EQ(log.Matching({"shell.ShowMessage"}).back(),
              "shell.ShowMessage(The power meter did not answer. No stored readings were "
              "downloaded.|Obtaining Data Log)");
}

TEST_F(DataLogTest, ClearingAsksFirst) {
    tab.dataLog = {{0, "2013-03-14 15:17:56", 12.5f, 1, 1234}};
    const std::pair<MessageAnswer, std::size_t> cases[] = {{MessageAnswer::No, 1},
                                                           {MessageAnswer::Yes, 0}};
    for (auto [answer, rowsLeft] : cases) {
        shell.messageAnswers = {answer};
        dlg.OnClearDataLog();
        EXPECT_EQ(tab.dataLog.size(), rowsLeft);
    }
    EXPECT_EQ(log.Count("shell.ShowMessage(Are you sure you want to clear the data from the Data "
                        "Log Table?|Clear Data Log Confirmation)"),
              2);
    EXPECT_FALSE(log.Contains("meter.")) << log.Dump();
}

class DataLogExportTest : public DataLogTest {
  protected:
    void SetUp() override {
        DataLogTest::SetUp();
        dlg.calDueDate = {3, 14, 14};
    }
    TempFolder temp;
    const fs::path& folder = temp.Path();
};

TEST_F(DataLogExportTest, WritesTheWorkedExampleByteForByte) {
    Meter().stored = {kExample};
    dlg.OnDownloadDataLog();
    tab.dataLog.push_back({1, "stamp, with comma", 0.0005f, 2, 9});
    std::ofstream(folder / "log.csv") << "an older file of that name";
    shell.savePaths = {(folder / "Log").string()};
    dlg.OnSaveDataLogAs();
    EXPECT_EQ(ReadFileBytes(folder / "log.csv"),
              "Irvel Calibration Due Date: 03/14/14\r\n"
              "Real Time,Serial Number,Power (mW), Input\r\n"
              "2013-03-14 15:17:56,1234,12.500,1\r\n"
              "\"stamp, with comma\",9,0.001,2\r\n");
}

TEST_F(DataLogExportTest, AnEmptyTableGivesTheTwoFirstLinesAndCancelWritesNothing) {
    dlg.OnSaveDataLogAs();  // cancelled
    EXPECT_TRUE(fs::is_empty(folder));
    shell.savePaths = {(folder / "empty.csv").string()};
    dlg.OnSaveDataLogAs();
    EXPECT_EQ(ReadFileBytes(folder / "empty.csv"),
              "Irvel Calibration Due Date: 03/14/14\r\n"
              "Real Time,Serial Number,Power (mW), Input\r\n");
}

TEST_F(DataLogExportTest, AFileThatCannotBeCreatedIsReported) {
    tab.dataLog = {{0, "2013-03-14 15:17:56", 12.5f, 1, 1234}};
    const std::string target = (folder / "missing" / "log.csv").string();
    shell.savePaths = {target};
    dlg.OnSaveDataLogAs();
    EXPECT_EQ(log.Matching({"shell.ShowMessage"}),
              (Strings{"shell.ShowMessage(The file \"" + target +
                       "\" could not be written: No such file or directory.\r\nNothing was lost; "
                       "choose another file name or folder and save again.|Save Failed)"}));
    EXPECT_EQ(tab.dataLog.size(), 1u);
}

}  // namespace
}  // namespace varden::testing
