// Opens the data-log and stability exports with a real CSV reader and checks that every row
// keeps its columns, also when a text holds commas, quotes or line breaks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/controller_fixture.h"
#include "support/temp_folder.h"

namespace varden::testing {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

Rows ReadWithCsvModule(const fs::path& file) {
    const fs::path script = fs::path(__FILE__).parent_path() / "read_csv_rows.py";
    const std::string command = "python3 '" + script.string() + "' '" + file.string() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;

    Rows rows(1);
    std::string field;
    for (char c : output) {
        if (c == '\x1f' || c == '\x1e') {
            rows.back().push_back(field);
            field.clear();
            if (c == '\x1e') {
                rows.emplace_back();
            }
        } else {
            field += c;
        }
    }
    rows.pop_back();
    return rows;
}

class SpreadsheetColumnsTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        dlg.calDueDate = {3, 14, 14};
    }
    TempFolder temp;
    const fs::path& folder = temp.Path();
};

TEST_F(SpreadsheetColumnsTest, StabilityExportKeepsItsColumns) {
    dlg.record.Create();
    dlg.record.samples.Append(StabilitySample{10, 0.0});
    dlg.record.samples.Append(StabilitySample{20, 1.5});
    dlg.AppendEvent("Shutter Closed", 10);
    dlg.AppendEvent("moved stage, \"slide 2\"\r\nrefocused", 15);
    shell.savePaths = {(folder / "stability.csv").string()};
    dlg.OnSaveStabilityGraphDataAs();

    EXPECT_EQ(
        ReadWithCsvModule(folder / "stability.csv"),
        (Rows{{"Irvel Calibration Due Date: 03/14/14"},
              {"Time (min)", "Real Time", "% Deviation from SetPoint", "Event Description"},
              {"0.17", "03/14/2013 13:59:50", "0.00", "Shutter Closed"},
              {"0.25", "03/14/2013 13:59:55", "1.50", "moved stage, \"slide 2\"\r\nrefocused"},
              {"0.33", "03/14/2013 14:00:00", "1.50"}}));
}

TEST_F(SpreadsheetColumnsTest, DataLogExportKeepsItsColumns) {
    tab.dataLog = {{0, "2013-03-14 15:17:56", 12.5f, 1, 1234},
                   {1, "14 Mar 2013, 15:18", 0.25f, 2, 99}};
    shell.savePaths = {(folder / "log.csv").string()};
    dlg.OnSaveDataLogAs();

    EXPECT_EQ(ReadWithCsvModule(folder / "log.csv"),
              (Rows{{"Irvel Calibration Due Date: 03/14/14"},
                    {"Real Time", "Serial Number", "Power (mW)", " Input"},
                    {"2013-03-14 15:17:56", "1234", "12.500", "1"},
                    {"14 Mar 2013, 15:18", "99", "0.250", "2"}}));
}

}  // namespace
}  // namespace varden::testing
