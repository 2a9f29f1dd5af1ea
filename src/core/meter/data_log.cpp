// The power meter's stored data log: download into the tab panel's table, clearing the table,
// and its export.
#include <cstdio>
#include <string>

#include "core/app/control_panel_dlg.h"
#include "core/export/calibration_due.h"
#include "core/export/csv_export.h"

namespace varden {

namespace {

// A data-log request is repeated while the meter answers "not ready", with a pause and a poll
// tick (which keeps the drivers serviced) before each repetition.
constexpr int kRequestRetries = 25;
constexpr int kRetryPauseMs = 50;

constexpr uint16_t kCountUnavailable = 0xFFFF;
constexpr const char* kDownloadCaption = "Obtaining Data Log";

// Makes `request` until the meter answers; false when it never did. The request reads the
// controller afresh on every call, since the ticks in between may change it.
template <typename Request>
bool RequestWithRetries(CVardenControlPanelDlg& dlg, Request request) {
    if (request() != 0) {
        return true;
    }
    for (int retry = 0; retry < kRequestRetries; ++retry) {
        dlg.clock.SleepMs(kRetryPauseMs);
        dlg.OnPollTick();
        if (request() != 0) {
            return true;
        }
    }
    return false;
}

// "2013-03-14 15:17:56" from the meter's date and time words. The seconds field holds half
// the seconds (two-second resolution in five bits).
std::string StoredTimeStamp(uint16_t date, uint16_t time) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", 2000 + (date >> 9),
                  (date >> 5) & 0x0F, date & 0x1F, time >> 11, (time >> 5) & 0x3F,
                  (time & 0x1F) * 2);
    return text;
}

// Tells the operator that the meter stopped answering, and how far the download got.
void ReportDownloadStopped(Shell& shell, unsigned received, std::optional<unsigned> total) {
    std::string text = "The power meter did not answer. ";
    if (total) {
        text += std::to_string(received) + " of " + std::to_string(*total) +
                " stored readings were downloaded.";
    } else {
        text += "No stored readings were downloaded.";
    }
    shell.ShowMessage(text, kDownloadCaption, MessageButtons::Ok);
}

}  // namespace

void CVardenControlPanelDlg::OnDownloadDataLog() {
    shell.ShowMessage("Obtaining Data Log, this may take a few minutes.", kDownloadCaption,
                      MessageButtons::Ok);

    unsigned short count = 0;
    if (!RequestWithRetries(*this, [this, &count] {
            return meterApi.RequestNumStoredReadings(meterDevice, &count);
        })) {
        ReportDownloadStopped(shell, 0, std::nullopt);
        return;
    }
    if (count == kCountUnavailable) {
        return;
    }
    if (!RequestWithRetries(*this, [this] {
            return meterApi.RequestReadingNumber(meterDevice, &storedReadingNumber);
        })) {
        ReportDownloadStopped(shell, 0, count);
        return;
    }

    // A reading is added only once the meter has delivered it; when the meter stops answering,
    // the rows read so far stay and the operator learns how many came in.
    for (unsigned i = 0; i < count; ++i) {
        if (!RequestWithRetries(*this, [this] {
                return meterApi.RequestStoredReading(meterDevice, &storedDate, &storedTime,
                                                     &storedPower, storedSpare.data(), &storedInput,
                                                     &storedSerial);
            })) {
            ReportDownloadStopped(shell, i, count);
            return;
        }
        const float scale = powerFactor == 1000 ? 100.0f : 1000.0f;
        tabPanel.AddDataLogRow(static_cast<uint16_t>(i), StoredTimeStamp(storedDate, storedTime),
                               storedPower * scale, storedInput, storedSerial);
        if (!RequestWithRetries(
                *this, [this] { return meterApi.RequestNextStoredReading(meterDevice); })) {
            ReportDownloadStopped(shell, i + 1, count);
            return;
        }
    }
}

void CVardenControlPanelDlg::OnClearDataLog() {
    if (shell.ShowMessage("Are you sure you want to clear the data from the Data Log Table?",
                          "Clear Data Log Confirmation",
                          MessageButtons::YesNo) == MessageAnswer::Yes) {
        tabPanel.ClearDataLog();
    }
}

void CVardenControlPanelDlg::OnSaveDataLogAs() {
    const std::optional<std::string> path = AskExportPath(shell);
    if (!path) {
        return;
    }
    ExportFile file(*path);
    if (file.IsOpen()) {
        file.Line(CalibrationDueLine(CalibrationDueForExport(*this)));
        file.Line("Real Time,Serial Number,Power (mW), Input");
        uint16_t rows = 0;
        tabPanel.GetDataLogCount(&rows);
        for (uint16_t i = 0; i < rows; ++i) {
            std::string timeStamp;
            uint16_t serial = 0;
            float power = 0.0f;
            uint16_t input = 0;
            tabPanel.GetDataLogRow(i, &timeStamp, &serial, &power, &input);
            file.Append(CsvField(timeStamp));
            file.Append(',');
            file.AppendInt(serial);
            file.Append(',');
            file.AppendFixed(power, 3);
            file.Append(',');
            file.AppendInt(input);
            file.EndLine();
        }
    }
    if (!file.Close()) {
        ReportExportFailure(shell, file.Path(), file.Error());
    }
}

}  // namespace varden
