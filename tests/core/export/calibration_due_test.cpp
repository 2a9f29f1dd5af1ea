#include "core/export/calibration_due.h"

#include <gtest/gtest.h>

#include "support/controller_fixture.h"
#include "support/temp_folder.h"

namespace varden::testing {
namespace {

using CalibrationDueTest = ControllerFixture;

TEST_F(CalibrationDueTest, ADateNeverReadIsAskedOnceFromTheMeter) {
    InstallDrivers();
    fake.meter.Attach(0).calDueDate = {10, 7, 27};
    EXPECT_EQ(CalibrationDueForExport(dlg), (std::array<uint8_t, 3>{10, 7, 27}));
    EXPECT_EQ(CalibrationDueForExport(dlg), (std::array<uint8_t, 3>{10, 7, 27}));
    EXPECT_EQ(log.Count("meter.RequestCalDueDate(0)"), 1);
}

TEST_F(CalibrationDueTest, WithoutAMeterTheDateStaysAsRead) {
    InstallDrivers();
    EXPECT_EQ(CalibrationDueForExport(dlg), (std::array<uint8_t, 3>{0, 0, 0}));
    dlg.calDueDate = {1, 2, 3};
    fake.meter.Attach(0).calDueDate = {10, 7, 27};
    EXPECT_EQ(CalibrationDueForExport(dlg), (std::array<uint8_t, 3>{1, 2, 3}));
    EXPECT_EQ(log.Count("meter.RequestCalDueDate(0)"), 0);
}

TEST_F(CalibrationDueTest, AnExportOpensWithTheMetersDateWhenThePollNeverReadIt) {
    InstallDrivers();
    fake.meter.Attach(0).calDueDate = {10, 7, 27};
    TempFolder folder;
    shell.savePaths.push_back(folder / "log");
    dlg.OnSaveDataLogAs();
    const std::string text = ReadFileBytes(folder / "log.csv");
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Irvel Calibration Due Date: 10/07/27");
}

}  // namespace
}  // namespace varden::testing
