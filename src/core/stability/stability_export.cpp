// The stability export: the record's samples with its events merged in by time, each row with
// its elapsed minutes, a local calendar time and the deviation; and the question whether to
// save the previous record before a new recording replaces it.
#include <string_view>

#include "core/app/control_panel_dlg.h"
#include "core/export/calibration_due.h"
#include "core/export/csv_export.h"
#include "core/export/fixed_decimal.h"
#include "core/stability/real_time_text.h"

namespace varden {

namespace {

enum class ExportOutcome { Written, NothingToWrite, Failed };

// Writes the rows of one file; a row whose elapsed seconds are 0 (taken in the first second of
// a recording, before any interval had passed) is left out.
class StabilityRowWriter {
  public:
    StabilityRowWriter(ExportFile& file, Clock& clock, int64_t anchor)
        : file_(file), times_(clock), anchor_(anchor) {}

    void Row(uint32_t seconds, double deviation, const char* text) {
        if (seconds == 0) {
            return;
        }
        // The row up to its text is formatted in place: a long record has a million of them.
        constexpr std::size_t kLongestNumbers = 2 * kMaxFixedLength + RealTimeText::kLength + 2;
        char* at = file_.Reserve(kLongestNumbers);
        // Minutes with two decimals, rounded as "%.2f" rounds seconds / 60.0: in hundredths
        // the exact value is 5s/3, never within a sixth of a tie, so integer rounding agrees.
        at = WriteUnits(at, false, (uint64_t{seconds} * 10 + 3) / 6, 2);
        *at++ = ',';
        times_.Format(anchor_ + seconds, at);
        at += RealTimeText::kLength;
        *at++ = ',';
        at = WriteFixed(at, deviation, 2);
        file_.Commit(at);
        if (text != nullptr) {
            file_.Append(',');
            file_.Append(CsvField(text));
        }
        file_.EndLine();
    }

  private:
    ExportFile& file_;
    RealTimeText times_;
    int64_t anchor_;
};

// Samples and events are both in time order. An event joins the row of the sample with the
// same seconds (one event per sample row); any other event gets a row of its own, carrying the
// deviation of the sample that follows it, or of the last sample when none follows.
void WriteMergedRows(const StabilityRecord& record, StabilityRowWriter& rows, ExportFile& file) {
    const auto& samples = record.samples;
    const auto& events = record.events;
    const uint32_t eventCount = events.Count();
    uint32_t e = 0;
    double lastDeviation = samples[0].deviation;
    for (uint32_t i = 0; i < samples.Count(); ++i) {
        const StabilitySample& s = samples[i];
        while (e < eventCount && events[e].seconds < s.seconds) {
            rows.Row(events[e].seconds, s.deviation, events[e].text);
            ++e;
        }
        if (e < eventCount && events[e].seconds == s.seconds) {
            rows.Row(s.seconds, s.deviation, events[e].text);
            ++e;
        } else {
            rows.Row(s.seconds, s.deviation, nullptr);
        }
        if (file.Failed()) {
            break;
        }
        lastDeviation = s.deviation;
    }
    for (; e < eventCount; ++e) {
        rows.Row(events[e].seconds, lastDeviation, events[e].text);
    }
}

ExportOutcome ExportRecord(CVardenControlPanelDlg& dlg) {
    // The last sample is placed at the moment the command was chosen.
    const int64_t now = dlg.clock.Now();
    const std::optional<std::string> path = AskExportPath(dlg.shell);
    // Ticks ran while the dialog was open: the record is read from here on, as it is now.
    const uint32_t sampleCount = dlg.record.samples.Count();
    if (!path || sampleCount == 0) {
        return ExportOutcome::NothingToWrite;
    }
    const int64_t anchor = now - dlg.record.samples[sampleCount - 1].seconds;

    ExportFile file(*path);
    if (file.IsOpen()) {
        file.Line(CalibrationDueLine(CalibrationDueForExport(dlg)));
        file.Line("Time (min),Real Time,% Deviation from SetPoint,Event Description");
        StabilityRowWriter rows(file, dlg.clock, anchor);
        WriteMergedRows(dlg.record, rows, file);
    }
    if (!file.Close()) {
        ReportExportFailure(dlg.shell, file.Path(), file.Error());
        return ExportOutcome::Failed;
    }
    dlg.unsaved = false;
    return ExportOutcome::Written;
}

}  // namespace

void CVardenControlPanelDlg::OnSaveStabilityGraphDataAs() {
    ExportRecord(*this);
}

bool CVardenControlPanelDlg::AskSavePreviousRecord() {
    const MessageAnswer answer = shell.ShowMessage("Do you want to save the previous log file?",
                                                   "Orvane ovata", MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel) {
        return false;
    }
    if (answer == MessageAnswer::Yes) {
        // A record that could not be written stays, so the operator can save it elsewhere;
        // the start goes on only when the export wrote the file or was left by the operator.
        return ExportRecord(*this) != ExportOutcome::Failed;
    }
    return true;
}

}  // namespace varden
