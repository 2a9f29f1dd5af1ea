// The stability recording: the stability page's commands, the sampling of the lamp's monitor
// reading as a deviation from the record's first reading, the strip chart, and the events and
// remarks stored with the samples.
#include <cmath>
#include <cstring>

#include "core/app/control_panel_dlg.h"
#include "core/stability/event_entry.h"

namespace varden {

namespace {

constexpr uint8_t kStabilityPage = 5;

// The monitor reading is averaged over 65 readings a second of the interval.
constexpr unsigned kReadingsPerSecond = 65;

// The page's controls when no recording runs: start enabled, pause and stop greyed.
void ShowRecordingIdle(CVardentabsctrl1& tabPanel) {
    tabPanel.EnableStabilityStart(1);
    tabPanel.EnableStabilityPause(0);
    tabPanel.EnableStabilityStop(0);
}

}  // namespace

void CVardenControlPanelDlg::OnPageSelected(uint8_t page) {
    // The chart lies on the stability page and is shown only with it.
    if (page < kStabilityPage) {
        shell.ShowChild(ChildWindow::StripChart, false);
    } else if (page == kStabilityPage) {
        shell.ShowChild(ChildWindow::StripChart, true);
    }
    selectedPage = page;
}

void CVardenControlPanelDlg::OnStabilityCommand(uint8_t action) {
    switch (action) {
        case 0: StartRecording(); break;
        case 1:
            if (recording) {
                recording = false;  // pause: the page keeps its controls
            } else if (record.Exists()) {
                if (elapsedSeconds != 0 && referenceReading == 0) {
                    // The record's first reading was 0: every deviation would divide by it.
                    // It stays held, and the page offers a new start.
                    ShowRecordingIdle(tabPanel);
                    return;
                }
                // Resume; the time spent paused is not counted.
                recording = true;
                lastSampleTime = clock.Now();
            }
            break;
        case 2:
            if (recording) {
                StopRecording();
            }
            break;
        default: break;
    }
}

void CVardenControlPanelDlg::OnSampleIntervalChanged(uint16_t seconds) {
    sampleInterval = seconds;
}

void CVardenControlPanelDlg::StartRecording() {
    if (recording || !feedbackOn) {
        return;
    }
    if (unsaved && !AskSavePreviousRecord()) {
        return;
    }
    stripChart.ClearData();
    sampleInterval = tabPanel.GetSampleInterval(0, 0);
    tabPanel.EnableStabilityStart(0);
    tabPanel.EnableStabilityStop(1);
    tabPanel.EnableStabilityPause(1);
    recording = true;
    lastSampleTime = clock.Now();
    elapsedSeconds = 0;
    record.Create();

    // The state at the start is the baseline: it yields no events.
    prevLocked = frontPanelLocked;
    prevShutterOpen = shutterOpen;
    prevCalibrationHours = calibrationHours;
    prevFeedbackOn = feedbackOn;
    prevLightGuideIn = lightGuideIn;
    prevLampOn = lampOn;
    prevOutputPowerRaw = outputPowerRaw;
    prevPercentLevel = percentLevel;
}

void CVardenControlPanelDlg::StopRecording() {
    RecordingStep();
    ShowRecordingIdle(tabPanel);
    recording = false;
}

void CVardenControlPanelDlg::RecordingStep() {
    const int64_t now = clock.Now();
    // Nominal elapsed time at the last sample plus the real seconds since, in 32 bits.
    const uint32_t stamp = elapsedSeconds + static_cast<uint32_t>(now - lastSampleTime);
    for (const std::string& text : DetectEvents()) {
        AppendEvent(text, stamp);
    }
    TakeSample(now);
}

void CVardenControlPanelDlg::TakeSample(int64_t now) {
    if (now < lastSampleTime + sampleInterval) {
        return;
    }
    if (elapsedSeconds != 0 && referenceReading == 0) {
        return;  // a held record without a reference: no deviation can be measured
    }
    // Without an active lamp there is no reading, and a sample made up of nothing would pass
    // for a measurement: the step stores none.
    if (lampApi.DeviceActive(lampDevice) == 0) {
        return;
    }
    unsigned short reading = 0;
    lampApi.ReturnADReading(lampDevice, &reading,
                            static_cast<unsigned short>(kReadingsPerSecond * sampleInterval));

    double deviation = 0.0;
    if (elapsedSeconds == 0) {
        referenceReading = reading;
        if (reading == 0) {
            recording = false;  // no reference to measure against; resuming is refused
        }
    } else {
        deviation = (static_cast<double>(reading) / referenceReading - 1.0) * 100.0;
    }
    elapsedSeconds += sampleInterval;
    const double minutes = static_cast<double>(elapsedSeconds) / 60.0;

    stripChart.SetXAxisRange(0.0, std::ceil(minutes));
    stripChart.AddXValue(minutes);
    stripChart.SetYValue(0, -1, deviation);

    if (!record.samples.Append(StabilitySample{elapsedSeconds, deviation}) && recording) {
        // No room for the sample: the recording ends here and the record stays for export.
        recording = false;
        ShowRecordingIdle(tabPanel);
    }
    lastSampleTime = now;
    unsaved = true;
}

void CVardenControlPanelDlg::AppendEvent(const std::string& text, uint32_t seconds) {
    if (!record.events.Exists()) {
        return;
    }
    StabilityEvent event;
    event.seconds = seconds;
    // The text ends at its first zero byte, as it would in a fixed text field.
    const std::string_view kept = CutText(std::string_view(text.c_str()), sizeof event.text - 1);
    std::memcpy(event.text, kept.data(), kept.size());
    event.text[kept.size()] = '\0';
    record.events.Append(event);
}

void CVardenControlPanelDlg::OnAnnotationRequested() {
    if (!recording || !record.events.Exists()) {
        return;
    }
    CEventEntry dialog;
    if (shell.RunModal(dialog) != DialogResult::Ok) {
        return;
    }
    // Ticks ran while the dialog was open: the stamp uses the record as it is now, and the
    // remark is kept even when the recording was paused or stopped meanwhile.
    const int64_t now = clock.Now();
    AppendEvent(dialog.m_description, elapsedSeconds + static_cast<uint32_t>(now - lastSampleTime));
}

}  // namespace varden
