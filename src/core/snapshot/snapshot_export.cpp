// "Save Power SnapShot As...": the snapshot table as a comma-separated file, one block per
// wavelength, one column per magnification, one row per intensity level or label.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/app/control_panel_dlg.h"
#include "core/export/calibration_due.h"
#include "core/export/csv_export.h"
#include "core/snapshot/panel_axes.h"

namespace varden {

namespace {

// Room offered to the panel for each list; it holds at most ten entries.
constexpr uint16_t kExportListCapacity = 20;

// A cell in milliwatts with three decimals; a cell without a reading (negative, or not a
// finite number) as "0.0", so that a marker never shows as a negative power.
std::string CellText(float watts) {
    if (!std::isfinite(watts) || watts < 0.0f) {
        return "0.0";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.03f", static_cast<double>(watts * 1000.0f));
    return text;
}

std::string RowHeading(const CVardenControlPanelDlg& dlg, uint16_t axisWord, int row) {
    if (IsLabelMode(axisWord)) {
        return CsvField(dlg.intensityLabels[static_cast<std::size_t>(row)]);
    }
    return std::to_string(IntensityRowLevel(axisWord, row)) + "%";
}

}  // namespace

void CVardenControlPanelDlg::OnSavePowerSnapshotAs() {
    const std::vector<uint16_t> magnifications =
        FetchAxisList(tabPanel, PanelList::Magnifications, kExportListCapacity);
    const std::vector<uint16_t> wavelengths =
        FetchAxisList(tabPanel, PanelList::Filters, kExportListCapacity);
    const uint16_t axisWord = WalkableAxisWord(tabPanel.GetIntensityAxis());

    const std::optional<std::string> path = AskExportPath(shell);
    if (!path) {
        return;
    }
    ExportFile file(*path);
    if (!file.IsOpen()) {
        ReportExportFailure(shell, file.Path(), file.Error());
        return;
    }
    file.Line(CalibrationDueLine(CalibrationDueForExport(*this)));
    const int rows = IntensityRowCount(axisWord);
    for (std::size_t f = 0; f < wavelengths.size(); ++f) {
        file.Line(std::to_string(wavelengths[f]) + "nm Filter Set");
        file.Append("Intensity %,");
        for (uint16_t magnification : magnifications) {
            file.Append(std::to_string(magnification) + "X,");
        }
        file.EndLine();
        for (int r = 0; r < rows; ++r) {
            file.Append(RowHeading(*this, axisWord, r) + ",");
            for (std::size_t j = 0; j < magnifications.size(); ++j) {
                float watts = -1.0f;
                tabPanel.GetCapturePoint(static_cast<uint16_t>(f), static_cast<uint16_t>(j),
                                         static_cast<uint16_t>(r), &watts);
                file.Append(CellText(watts) + ",");
            }
            file.EndLine();
        }
    }
    if (!file.Close()) {
        ReportExportFailure(shell, file.Path(), file.Error());
    }
}

}  // namespace varden
