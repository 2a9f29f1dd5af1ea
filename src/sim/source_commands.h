// The commands that the lamp source and the LED source understand alike; each driver library
// exports them under the same names for its own family.
#pragma once

#include <cmath>
#include <string>

#include "sim/driver_support.h"

namespace varden::sim {

inline int SourceActive(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource&) { return 1; });
}

inline int SourceConnect(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.remote = true;
        return 1;
    });
}

// Handing the unit back to its front panel also ends the PC's hold on the shutter and lock.
inline int SourceDisconnect(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.remote = false;
        source.pcShutterControl = false;
        source.frontPanelLocked = false;
        return 1;
    });
}

inline int SourceIdentify(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.identified = true;
        return 1;
    });
}

// Shutter control and the front-panel lock need the PC to have taken the unit over first.
inline int SourceEnableShutterControl(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.pcShutterControl = source.remote;
        return source.remote ? 1 : 0;
    });
}

inline int SourceDisableShutterControl(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.pcShutterControl = false;
        return 1;
    });
}

inline int SourceLockFrontPanel(Family family, unsigned short unit, bool lock) {
    return WithSource(family, unit, [lock](Bench&, LightSource& source) {
        if (lock && !source.remote) {
            return 0;
        }
        source.frontPanelLocked = lock;
        return 1;
    });
}

inline int SourceShutter(Family family, unsigned short unit, bool open) {
    return WithSource(family, unit, [open](Bench&, LightSource& source) {
        source.shutterOpen = open;
        return 1;
    });
}

inline int SourceFeedback(Family family, unsigned short unit, bool on) {
    return WithSource(family, unit, [on](Bench&, LightSource& source) {
        source.feedback = on;
        return 1;
    });
}

inline int SourceClearCalibration(Family family, unsigned short unit) {
    return WithSource(family, unit, [](Bench&, LightSource& source) {
        source.calibrationSeconds = 0.0;
        return 1;
    });
}

// One press of the iris buttons: a whole percent up or down.
inline int SourceStepIris(Family family, unsigned short unit, int direction) {
    return WithSource(family, unit, [direction](Bench&, LightSource& source) {
        const double stepped = std::round(source.iris) + direction;
        if (stepped < 0.0 || stepped > 100.0) {
            return 0;
        }
        source.iris = stepped;
        return 1;
    });
}

inline int SourceSetPercentage(Family family, unsigned short unit, unsigned short level) {
    return WithSource(family, unit, [level](Bench&, LightSource& source) {
        if (level > 100) {
            return 0;
        }
        source.iris = level;
        return 1;
    });
}

inline int SourceGetPercentage(Family family, unsigned short unit, unsigned short* level) {
    return WithSource(family, unit, [level](Bench&, LightSource& source) {
        Put(level, source.PercentLevel());
        return 1;
    });
}

// The iris position in tenths of a percent, 0 to 1000.
inline int SourceGetIntensity(Family family, unsigned short unit, unsigned short* level) {
    return WithSource(family, unit, [level](Bench&, LightSource& source) {
        Put(level, std::lround(std::clamp(source.iris, 0.0, 100.0) * 10.0));
        return 1;
    });
}

inline int SourceGetHours(Family family, unsigned short unit, unsigned short* hours) {
    return WithSource(family, unit, [hours](Bench&, LightSource& source) {
        Put(hours, source.LampHours());
        return 1;
    });
}

inline int SourceGetCalibration(Family family, unsigned short unit, unsigned char* hours) {
    return WithSource(family, unit, [hours](Bench&, LightSource& source) {
        Put(hours, source.CalibrationHours());
        return 1;
    });
}

inline int SourceGetSerial(Family family, unsigned short unit, unsigned short* serial) {
    return WithSource(family, unit, [serial](Bench&, LightSource& source) {
        Put(serial, source.serial);
        return 1;
    });
}

// Status flags: front panel locked, lamp on, warming up, shutter open, lamp supply healthy
// (0 while an alarm holds the lamp off), alarm.
inline int SourceGetStatus(Family family, unsigned short unit, int* locked, int* lampOn,
                           int* warmingUp, int* shutterOpen, int* supplyHealthy, int* alarm) {
    return WithSource(family, unit, [=](Bench&, LightSource& source) {
        Put(locked, source.frontPanelLocked);
        Put(lampOn, source.Emitting());
        Put(warmingUp, source.WarmingUp());
        Put(shutterOpen, source.shutterOpen);
        Put(supplyHealthy, !source.alarm);
        Put(alarm, source.alarm);
        return 1;
    });
}

// Extended status: closed-loop feedback, under PC control, light guide in, identified.
inline int SourceGetStatusExt(Family family, unsigned short unit, int* feedback, int* remote,
                              int* lightGuideIn, int* identified) {
    return WithSource(family, unit, [=](Bench&, LightSource& source) {
        Put(feedback, source.feedback);
        Put(remote, source.remote);
        Put(lightGuideIn, source.lightGuideIn);
        Put(identified, source.identified);
        return 1;
    });
}

inline uint8_t TemperatureByte(double celsius) {
    return static_cast<uint8_t>(std::lround(std::clamp(celsius, 0.0, 255.0)));
}

}  // namespace varden::sim
