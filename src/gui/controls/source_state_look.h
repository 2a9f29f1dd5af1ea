#pragma once

#include <QString>
#include <cstdint>

#include "gui/controls/indicator_led.h"

namespace varden {

// How the button panel shows one state value of the light source: a colour and words.
struct StateLook {
    LedTone tone;
    QString text;
};

// The state value that every indicator receives while no source is connected.
inline constexpr uint8_t kNoSourceState = 4;

StateLook LampLook(uint8_t state);         // 0 standby, 1 off, 2 on
StateLook ShutterLook(uint8_t state);      // non-zero open
StateLook FeedbackLook(uint8_t state);     // non-zero on
StateLook LockLook(uint8_t state);         // non-zero locked (computer control)
StateLook LightGuideLook(uint8_t state);   // non-zero inserted
StateLook CalibrationLook(uint8_t state);  // 1 calibrated, 0 not
StateLook HoursLook(uint8_t level);        // 0, 1, 2 by the hour thresholds
StateLook TemperatureLook(uint8_t level);  // 0, 1, 2 by the temperature thresholds
StateLook UnitStatus6Look(uint8_t state);  // non-zero set

// What a switch button asks for: the opposite of the state the source reports. The lamp is
// on only in state 2 (0 is standby); the other switches are on for any non-zero value.
uint8_t LampSwitchArgument(uint8_t lampState);
uint8_t SwitchArgument(uint8_t state);

}  // namespace varden
