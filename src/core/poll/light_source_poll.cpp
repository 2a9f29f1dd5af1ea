// The light-source phases of the tick: the lamp or LED source is read into the status members
// and shown on the button panel and in the status bar.
#include <algorithm>
#include <cstdio>
#include <string>

#include "core/app/control_panel_dlg.h"
#include "core/poll/output_power_text.h"

namespace varden {

namespace {

enum StatusPane : int { kCalibrationPane = 0, kHoursPane = 1, kPowerPane = 2, kPercentPane = 3 };

// Levels of the hours and temperature indicators: 0 normal, 1 warning, 2 alarm.
constexpr uint8_t LevelOf(unsigned value, unsigned warning, unsigned alarm) {
    return value >= alarm ? 2 : value >= warning ? 1 : 0;
}
constexpr uint8_t LampHoursLevel(uint16_t hours) {
    return LevelOf(hours, 2500, 4000);
}
constexpr uint8_t LedHoursLevel(uint16_t hours) {
    return LevelOf(hours, 20000, 40000);
}
constexpr uint8_t LampTemperatureLevel(uint8_t temperature) {
    return LevelOf(temperature, 96, 126);
}
constexpr uint8_t LedTemperatureLevel(uint8_t first, uint8_t second) {
    return LevelOf(std::max(first, second), 56, 66);
}

// Polls of the LED source between two reads of its percentage and temperatures.
constexpr uint8_t kLedSlowPollInterval = 10;
constexpr int64_t kSecondsPerMinute = 60;

const std::string kNotCalibrated = "Not Calibrated";
const std::string kEmptyPane;

template <typename... Args>
void Format(std::string& text, const char* format, Args... args) {
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    text.assign(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void FormatCalibration(uint32_t hours, std::string& text) {
    Format(text, "%d hours remaining", static_cast<int>(hours));
}
void FormatHours(uint32_t hours, std::string& text) {
    Format(text, "%d hrs", static_cast<int>(hours));
}
void FormatPercent(uint32_t percent, std::string& text) {
    Format(text, "%d%%", static_cast<int>(percent));
}

void FormatOutputPower(uint32_t factorAndRaw, std::string& text) {
    text = OutputPowerPaneText(static_cast<uint16_t>(factorAndRaw & 0xFFFF),
                               static_cast<uint16_t>(factorAndRaw >> 16));
}

// The lamp indicator is dark while status value 5 is 0; otherwise it shows off or on.
uint8_t LampState(const CVardenControlPanelDlg& dlg) {
    if (dlg.unitStatus5 == 0) {
        return 0;
    }
    return dlg.lampOn == 0 ? 1 : 2;
}

// The status flags just read, on the button panel; the LED source has no feedback indicator.
void ShowIndicators(CVardenControlPanelDlg& dlg, bool withFeedback) {
    CovataButtons& panel = dlg.buttonPanel;
    panel.SetLampState(LampState(dlg));
    panel.SetUnitStatus6State(static_cast<uint8_t>(dlg.unitStatus6));
    panel.SetLightGuideState(static_cast<uint8_t>(dlg.lightGuideIn));
    panel.SetShutterState(static_cast<uint8_t>(dlg.shutterOpen));
    if (withFeedback) {
        panel.SetFeedbackState(static_cast<uint8_t>(dlg.feedbackOn));
    }
    panel.SetLockState(static_cast<uint8_t>(dlg.frontPanelLocked));
}

}  // namespace

void CVardenControlPanelDlg::PollLampSource() {
    lampApi.GetUnitStatus(lampDevice, &frontPanelLocked, &lampOn, &unitStatus3, &shutterOpen,
                          &unitStatus5, &unitStatus6);
    lampApi.GetUnitStatusext(lampDevice, &feedbackOn, &unitStatusExt2, &lightGuideIn,
                             &unitStatusExt4);
    if (unitStatusExt4 == 0) {
        lampApi.SendIdentify(lampDevice);
    }
    ShowIndicators(*this, true);
    lampApi.GetPercentageLevel(lampDevice, &percentLevel);

    // The calibration shown is the one read by the previous poll; the output power means
    // something only while the lamp is calibrated.
    if (calibrationHours != 0) {
        lampApi.GetOutputPower(lampDevice, &outputPowerRaw);
        buttonPanel.SetCalibrationState(1);
        shell.SetStatusPaneText(
            kCalibrationPane, paneTexts[kCalibrationPane].For(calibrationHours, FormatCalibration));
        if (powerFactor == 0) {
            powerFactor = static_cast<uint16_t>(lampApi.GetMultiplicationFactor(lampDevice));
        }
        const uint32_t factorAndRaw = (uint32_t{powerFactor} << 16) | outputPowerRaw;
        shell.SetStatusPaneText(kPowerPane,
                                paneTexts[kPowerPane].For(factorAndRaw, FormatOutputPower));
    } else {
        buttonPanel.SetCalibrationState(0);
        shell.SetStatusPaneText(kCalibrationPane, kNotCalibrated);
        shell.SetStatusPaneText(kPowerPane, kEmptyPane);
        powerFactor = 0;
    }
    buttonPanel.SetOutputReadout(static_cast<uint8_t>(percentLevel), outputPowerRaw,
                                 calibrationHours, powerFactor);
    shell.SetStatusPaneText(kPercentPane, paneTexts[kPercentPane].For(percentLevel, FormatPercent));
    lampApi.GetCalibrationTime(lampDevice, &calibrationHours);

    lampApi.GetLampHours(lampDevice, &sourceHours);
    buttonPanel.SetHoursReadout(sourceHours);
    shell.SetStatusPaneText(kHoursPane, paneTexts[kHoursPane].For(sourceHours, FormatHours));
    buttonPanel.SetHoursLevel(LampHoursLevel(sourceHours));

    lampApi.ReturnTemperatureReading(lampDevice, &lampTemperature);
    buttonPanel.SetTemperatureLevel(LampTemperatureLevel(lampTemperature));
}

void CVardenControlPanelDlg::PollLedSource() {
    ledApi.GetUnitStatus(ledDevice, &frontPanelLocked, &lampOn, &unitStatus3, &shutterOpen,
                         &unitStatus5, &unitStatus6);
    ledApi.GetUnitStatusext(ledDevice, &feedbackOn, &unitStatusExt2, &lightGuideIn,
                            &unitStatusExt4);
    if (unitStatusExt4 == 0) {
        ledApi.SendIdentify(ledDevice);
    }
    ShowIndicators(*this, false);

    // The LED source answers slowly: its percentage and temperatures are read every 11th poll,
    // starting with the first. It reports no output power, so the power readout keeps its last
    // raw value and the panel shows no calibration.
    const bool slowPoll = ledCountdown == 0;
    if (slowPoll) {
        ledApi.GetPercentageLevel(ledDevice, &percentLevel);
        buttonPanel.SetCalibrationState(0);
        shell.SetStatusPaneText(kCalibrationPane, kEmptyPane);
        shell.SetStatusPaneText(kPowerPane, kEmptyPane);
        powerFactor = 0;
        buttonPanel.SetOutputReadout(static_cast<uint8_t>(percentLevel), outputPowerRaw,
                                     calibrationHours, 0);
        shell.SetStatusPaneText(kPercentPane,
                                paneTexts[kPercentPane].For(percentLevel, FormatPercent));
    }
    ledApi.GetCalibrationTime(ledDevice, &calibrationHours);

    // Hours are read in the first second of each minute (several ticks long).
    if (clock.Now() % kSecondsPerMinute == 0) {
        ledApi.GetLampHours(ledDevice, &sourceHours);
        buttonPanel.SetHoursReadout(sourceHours);
        shell.SetStatusPaneText(kHoursPane, paneTexts[kHoursPane].For(sourceHours, FormatHours));
        buttonPanel.SetHoursLevel(LedHoursLevel(sourceHours));
    }

    if (slowPoll) {
        ledApi.ReturnTemperatureReading(ledDevice, &ledTemperature1, &ledTemperature2);
        buttonPanel.SetTemperatureLevel(LedTemperatureLevel(ledTemperature1, ledTemperature2));
    }
    ledCountdown = slowPoll ? kLedSlowPollInterval : static_cast<uint8_t>(ledCountdown - 1);
}

}  // namespace varden
