// Turns changes of the light source's state into the named events of a stability record.
#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

// Calibration hours below this give a warning.
constexpr uint8_t kCalibrationWarningHours = 12;

// An on/off flag that changed yields the text for its new state; the previous value follows.
void DetectFlag(std::vector<std::string>& events, int32_t current, int32_t& previous,
                const char* onText, const char* offText) {
    if (current != previous) {
        events.emplace_back(current != 0 ? onText : offText);
    }
    previous = current;
}

template <typename T>
void DetectChange(std::vector<std::string>& events, T current, T& previous, const char* text) {
    if (current != previous) {
        events.emplace_back(text);
    }
    previous = current;
}

}  // namespace

std::vector<std::string> CVardenControlPanelDlg::DetectEvents() {
    std::vector<std::string> events;
    DetectFlag(events, frontPanelLocked, prevLocked, "User Interface Locked",
               "User Interface UnLocked");
    DetectFlag(events, shutterOpen, prevShutterOpen, "Shutter Opened", "Shutter Closed");

    // A recalibration that still leaves few hours yields the warning and then the recalibration.
    if (calibrationHours != prevCalibrationHours) {
        if (calibrationHours == 0) {
            events.emplace_back("Calibration Expired");
        } else if (calibrationHours < kCalibrationWarningHours) {
            events.emplace_back("Calibration Warning");
        }
        if (calibrationHours > prevCalibrationHours) {
            events.emplace_back("System Re-Calibrated");
        }
    }
    prevCalibrationHours = calibrationHours;

    DetectFlag(events, feedbackOn, prevFeedbackOn, "Closed Loop Feedback On",
               "Closed Loop Feedback Off");
    DetectChange(events, outputPowerRaw, prevOutputPowerRaw, "Power Output Changed");
    DetectChange(events, percentLevel, prevPercentLevel, "Iris Intensity Changed");
    DetectFlag(events, lampOn, prevLampOn, "Lamp Turned On", "Lamp Turned Off");

    // Has no previous value: yielded at every pass while neither driver counts a device.
    if (static_cast<uint16_t>(lampApi.GetNumDevicesConnected()) == 0 &&
        static_cast<uint16_t>(ledApi.GetNumDevicesConnected()) == 0) {
        events.emplace_back("Lost Communication with Device");
    }

    DetectFlag(events, lightGuideIn, prevLightGuideIn, "Light Guide Inserted",
               "Light Guide Removed");
    return events;
}

}  // namespace varden
