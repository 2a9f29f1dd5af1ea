#include "gui/controls/source_state_look.h"

#include <QCoreApplication>

namespace varden {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SourceState", text);
}

StateLook NoSource() {
    return {LedTone::None, Tr("no source")};
}

StateLook Unknown(uint8_t state) {
    return {LedTone::Off, Tr("unknown state %1").arg(state)};
}

// A two-way state: zero and non-zero, with 4 reserved for "no source".
StateLook OnOff(uint8_t state, StateLook off, StateLook on) {
    if (state == kNoSourceState) {
        return NoSource();
    }
    return state != 0 ? on : off;
}

StateLook Level(uint8_t level, const char* normal, const char* raised, const char* high) {
    switch (level) {
        case 0: return {LedTone::Green, Tr(normal)};
        case 1: return {LedTone::Amber, Tr(raised)};
        case 2: return {LedTone::Red, Tr(high)};
        case kNoSourceState: return NoSource();
        default: return Unknown(level);
    }
}

}  // namespace

StateLook LampLook(uint8_t state) {
    switch (state) {
        case 0: return {LedTone::Blue, Tr("standby")};
        case 1: return {LedTone::Off, Tr("off")};
        case 2: return {LedTone::Lamp, Tr("on")};
        case kNoSourceState: return NoSource();
        default: return Unknown(state);
    }
}

StateLook ShutterLook(uint8_t state) {
    return OnOff(state, {LedTone::Off, Tr("closed")}, {LedTone::Green, Tr("open")});
}

StateLook FeedbackLook(uint8_t state) {
    return OnOff(state, {LedTone::Off, Tr("off")}, {LedTone::Green, Tr("on")});
}

StateLook LockLook(uint8_t state) {
    return OnOff(state, {LedTone::Off, Tr("unlocked, front panel in control")},
                 {LedTone::Blue, Tr("locked, computer in control")});
}

StateLook LightGuideLook(uint8_t state) {
    return OnOff(state, {LedTone::Amber, Tr("removed")}, {LedTone::Green, Tr("inserted")});
}

StateLook CalibrationLook(uint8_t state) {
    switch (state) {
        case 0: return {LedTone::Amber, Tr("not calibrated")};
        case 1: return {LedTone::Green, Tr("calibrated")};
        case kNoSourceState: return NoSource();
        default: return Unknown(state);
    }
}

StateLook HoursLook(uint8_t level) {
    return Level(level, "within service life", "nearing end of service life",
                 "service life exceeded");
}

StateLook TemperatureLook(uint8_t level) {
    return Level(level, "normal", "warm", "too hot");
}

StateLook UnitStatus6Look(uint8_t state) {
    return OnOff(state, {LedTone::Off, Tr("clear")}, {LedTone::Amber, Tr("set")});
}

uint8_t LampSwitchArgument(uint8_t lampState) {
    return lampState == 2 ? 0 : 1;
}

uint8_t SwitchArgument(uint8_t state) {
    return state != 0 && state != kNoSourceState ? 0 : 1;
}

}  // namespace varden
