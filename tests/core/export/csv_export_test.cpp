#include "core/export/csv_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

namespace varden::testing {
namespace {

TEST(CompleteExportPath, LowerCasesTheFileNameOnlyAndAddsTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/Data/Runs/Lamp Test", "/Data/Runs/lamp test.csv"},
        {"/Data/Runs/Snap.CSV", "/Data/Runs/snap.csv"},
        {"/Data/Runs/old.csv.bak", "/Data/Runs/old.csv.bak"},
        {"/Data/My.csv Files/Report", "/Data/My.csv Files/report.csv"},
        {"Report.Txt", "report.txt.csv"},
    };
    for (auto [chosen, expected] : cases) {
        EXPECT_EQ(CompleteExportPath(chosen), expected) << chosen;
    }
}

TEST(CsvField, QuotesOnlyFieldsThatWouldBreakTheColumns) {
    EXPECT_EQ(CsvField("Shutter Closed"), "Shutter Closed");
    EXPECT_EQ(CsvField("check, twice"), "\"check, twice\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(CsvField(""), "");
}

TEST(CalibrationDueLine, WritesEachFieldWithTwoDigits) {
    EXPECT_EQ(CalibrationDueLine({1, 2, 3}), "Irvel Calibration Due Date: 01/02/03");
    EXPECT_EQ(CalibrationDueLine({12, 31, 255}), "Irvel Calibration Due Date: 12/31/255");
}

TEST(ExportFile, EndsEveryLineWithCrLfAndReplacesAnExistingFile) {
    TempFolder temp;
    const std::string path = temp / "export.csv";
    std::ofstream(path) << "old content that must go";
    {
        ExportFile file(path);
        ASSERT_TRUE(file.IsOpen());
        file.Line("a,b");
        file.Append("c");
        file.Append(",d");
        file.EndLine();
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadFileBytes(path), "a,b\r\nc,d\r\n");
}

TEST(ExportFile, ReportsWhyAFileCannotBeCreated) {
    ExportFile file("/nonexistent-folder/x.csv");
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Failed());
    EXPECT_EQ(file.Error(), "No such file or directory");
    EXPECT_FALSE(file.Close());
}

TEST(ExportFile, ReportsAWriteThatDoesNotReachTheDisk) {
    ExportFile file("/dev/full");
    ASSERT_TRUE(file.IsOpen());
    file.Line("x");
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.Error(), "No space left on device");
}

}  // namespace
}  // namespace varden::testing
