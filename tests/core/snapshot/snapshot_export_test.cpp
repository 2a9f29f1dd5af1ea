#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/controller_fixture.h"
#include "support/temp_folder.h"

namespace varden::testing {
namespace {

using Lines = std::vector<std::string>;

std::string CrLfLines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

class SnapshotExportTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        dlg.calDueDate = {1, 2, 3};
    }

    // Exports to the test's file and returns what was written.
    std::string Export() {
        shell.savePaths = {path};
        dlg.OnSavePowerSnapshotAs();
        return ReadFileBytes(path);
    }

    TempFolder temp;
    const std::string path = temp / "snapshot.csv";
};

TEST_F(SnapshotExportTest, WritesTheWorkedExampleByteForByte) {
    tab.filters = {405, 488};
    tab.magnifications = {10, 40};
    tab.intensityAxis = 50;
    tab.cells = {{{0, 0, 0}, 0.0f},    {{0, 1, 0}, 0.0f},    {{0, 0, 1}, 0.0123f},
                 {{0, 1, 1}, 0.0456f}, {{0, 0, 2}, 0.0246f}, {{0, 1, 2}, 0.0912f},
                 {{1, 0, 1}, 0.0022f}};

    EXPECT_EQ(Export(),
              CrLfLines({"Irvel Calibration Due Date: 01/02/03", "405nm Filter Set",
                         "Intensity %,10X,40X,", "0%,0.000,0.000,", "50%,12.300,45.600,",
                         "100%,24.600,91.200,", "488nm Filter Set", "Intensity %,10X,40X,",
                         "0%,0.0,0.0,", "50%,2.200,0.0,", "100%,0.0,0.0,"}));
    const Lines reads = log.Matching({"tab.Get", "shell.AskSaveFileName"});
    EXPECT_EQ(Lines(reads.begin(), reads.begin() + 4),
              (Lines{"tab.GetMagnificationList()", "tab.GetFilterList()", "tab.GetIntensityAxis()",
                     "shell.AskSaveFileName()"}));
    EXPECT_EQ(log.Count("tab.GetCapturePoint(1,1,2)"), 1);
    EXPECT_FALSE(log.Contains("shell.ShowMessage"));
}

// Row headings follow the axis word the panel reports; 0, which would divide by zero, is read
// as the default increment of 10. No magnifications leave the heading alone on each row.
TEST_F(SnapshotExportTest, RowsFollowThePanelsIntensityAxis) {
    struct Case {
        uint16_t axis;
        Lines rows;
    };
    const Case cases[] = {
        {30, {"0%,", "30%,", "60%,", "90%,"}},
        {100, {"0%,", "100%,"}},
        {0,
         {"0%,", "10%,", "20%,", "30%,", "40%,", "50%,", "60%,", "70%,", "80%,", "90%,", "100%,"}},
        {101, {"Dim,"}},
        // Past ten labels: only the ten label slots there are.
        {115, {"Dim,", ",", ",", ",", ",", ",", ",", ",", ",", ","}},
    };
    tab.filters = {561};
    dlg.intensityLabels[0] = "Dim";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.axis);
        tab.intensityAxis = c.axis;
        Lines expected{"Irvel Calibration Due Date: 01/02/03", "561nm Filter Set", "Intensity %,"};
        expected.insert(expected.end(), c.rows.begin(), c.rows.end());
        EXPECT_EQ(Export(), CrLfLines(expected));
    }
}

TEST_F(SnapshotExportTest, EmptyWavelengthListGivesTheFirstLineOnly) {
    tab.magnifications = {10};
    EXPECT_EQ(Export(), CrLfLines({"Irvel Calibration Due Date: 01/02/03"}));
}

// Labels are quoted only when they hold a comma, a quote or a line break, so that every row
// keeps its columns in a spreadsheet program.
TEST_F(SnapshotExportTest, LabelRowsKeepTheirColumns) {
    tab.filters = {405, 488};
    tab.magnifications = {10, 40};
    tab.intensityAxis = 104;
    dlg.intensityLabels = {"Low", "Mid, dim", "say \"hi\"", "two\r\nlines"};
    tab.cells = {{{0, 0, 0}, 0.001f}, {{1, 1, 3}, 0.0125f}};

    const std::string text = Export();
    EXPECT_EQ(text, CrLfLines({"Irvel Calibration Due Date: 01/02/03", "405nm Filter Set",
                               "Intensity %,10X,40X,", "Low,1.000,0.0,", "\"Mid, dim\",0.0,0.0,",
                               "\"say \"\"hi\"\"\",0.0,0.0,", "\"two\r\nlines\",0.0,0.0,",
                               "488nm Filter Set", "Intensity %,10X,40X,", "Low,0.0,0.0,",
                               "\"Mid, dim\",0.0,0.0,", "\"say \"\"hi\"\"\",0.0,0.0,",
                               "\"two\r\nlines\",0.0,12.500,"}));
}

TEST_F(SnapshotExportTest, CancelledDialogWritesNothing) {
    tab.filters = {405};
    dlg.OnSavePowerSnapshotAs();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(log.Contains("tab.GetCapturePoint(0,0,0)"));
    EXPECT_EQ(log.Matching({"shell.ShowMessage"}), Lines{});
}

TEST_F(SnapshotExportTest, FileThatCannotBeCreatedIsReported) {
    tab.filters = {405};
    shell.savePaths = {"/nonexistent-folder/Snap"};
    dlg.OnSavePowerSnapshotAs();
    const Lines messages = log.Matching({"shell.ShowMessage"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("/nonexistent-folder/snap.csv"), std::string::npos);
    EXPECT_NE(messages[0].find("|Save Failed)"), std::string::npos);
}

}  // namespace
}  // namespace varden::testing
