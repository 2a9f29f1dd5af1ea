#pragma once

#include <cstdint>

namespace varden {

// The light-source button panel: indicators, two readouts and the operator's buttons. Each state
// operation takes one byte; 4 means that no source is connected. Initially the hours readout
// shows "Lamp Hours: 0".
class CovataButtons {
  public:
    virtual ~CovataButtons() = default;

    virtual uint8_t SetUnitStatus6State(uint8_t state) = 0;  // 3
    virtual uint8_t SetCalibrationState(uint8_t state) = 0;  // 4
    virtual uint8_t SetFeedbackState(uint8_t state) = 0;     // 5
    virtual uint8_t SetHoursLevel(uint8_t level) = 0;        // 6
    virtual void SetOutputReadout(uint8_t percentage, uint16_t rawPower, uint8_t calibrationHours,
                                  uint16_t powerFactor) = 0;  // 7
    virtual void SetHoursReadout(uint16_t hours) = 0;         // 8
    virtual uint8_t SetLampState(uint8_t state) = 0;          // 9
    virtual uint8_t SetLightGuideState(uint8_t state) = 0;    // 10
    virtual uint8_t SetLockState(uint8_t state) = 0;          // 11
    virtual uint8_t SetShutterState(uint8_t state) = 0;       // 12
    virtual uint8_t SetTemperatureLevel(uint8_t level) = 0;   // 13
    virtual uint8_t SetPanelState(uint8_t state) = 0;         // 14
};

// Button-panel events, by number; each carries one byte.
enum ButtonPanelEvent : int {
    kLampSwitchRequested = 102,
    kIrisStepUpRequested = 103,
    kShutterSwitchRequested = 104,
    kFeedbackSwitchRequested = 105,
    kPanelLockRequested = 107,
    kAlarmClearRequested = 108,
    kIrisStepDownRequested = 112,
    kIrisSettingRequested = 113,
};

}  // namespace varden
