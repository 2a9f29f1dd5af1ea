// "Orvane ovata.dll": the lamp-source driver library of the simulated bench.
#include <cstring>

#include "core/drivers/driver_abi.h"
#include "core/drivers/version_note.h"
#include "sim/source_commands.h"

DRIVER_FILE_VERSION(1, 1);

#define DRIVER_DECLARE_EXPORT(ret, name, params) DRIVER_EXPORT ret name params;
extern "C" {
LAMP_API_ENTRIES(DRIVER_DECLARE_EXPORT)
}

using namespace varden::sim;

namespace {

constexpr Family kLamp = Family::kLamp;

template <class Action>
int WithLamp(unsigned short unit, Action&& action) {
    return WithSource(kLamp, unit, std::forward<Action>(action));
}

template <std::size_t N>
void PutField(char (&field)[N], const std::string& text) {
    std::strncpy(field, text.c_str(), N - 1);
    field[N - 1] = '\0';
}

// The raw value the lamp reports for `milliwatts`.
double RawFrom(const LightSource& lamp, double milliwatts) {
    return milliwatts * lamp.RawPerMilliwatt();
}

}  // namespace

extern "C" {

int GetNumDevicesConnected(void) {
    return DeviceCount(kLamp);
}

int UpdateData(void) {
    return RefreshBench();
}

int SendConnect(unsigned short unit) {
    return SourceConnect(kLamp, unit);
}

int SendDisConnect(unsigned short unit) {
    return SourceDisconnect(kLamp, unit);
}

int DataReady(unsigned short unit) {
    return SourceActive(kLamp, unit);
}

int DeviceActive(unsigned short unit) {
    return SourceActive(kLamp, unit);
}

int GetDeviceName(unsigned short unit, char* name, int size) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        PutText(name, size, lamp.name);
        return 1;
    });
}

int GetDeviceDescription(unsigned short unit, char* text, int size) {
    return WithLamp(unit, [=](Bench&, LightSource&) {
        PutText(text, size, "ovata Illumination System");
        return 1;
    });
}

int SendIdentify(unsigned short unit) {
    return SourceIdentify(kLamp, unit);
}

int SetDeviceName(unsigned short unit, const char* name) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        if (name == nullptr) {
            return 0;
        }
        lamp.name.assign(name, strnlen(name, 63));
        return 1;
    });
}

int GetInformation(unsigned short unit, OvataDeviceInfo* info) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        if (info == nullptr) {
            return 0;
        }
        std::memset(info, 0, sizeof *info);
        PutField(info->serialNumber, "OV" + std::to_string(lamp.serial) + "A");
        PutField(info->description, "ovata Illumination System");
        PutField(info->manufacturer, "Orvane");
        PutField(info->manufacturerId, "OR");
        PutField(info->deviceName, lamp.name);
        info->maxPower = 100;  // 200 mA from the bus in 2 mA units; the lamp has its own supply
        info->plugAndPlay = 1;
        info->selfPowered = 1;
        info->remoteWakeup = 0;
        info->revision4 = 1;
        info->isoIn = 0;
        info->isoOut = 0;
        info->usbVersion = 0x0200;
        info->correctPackets = lamp.link.correctPackets;
        info->errorPackets = lamp.link.errorPackets;
        return 1;
    });
}

int EnablePCShutterControl(unsigned short unit) {
    return SourceEnableShutterControl(kLamp, unit);
}

int GetIntensityLevel(unsigned short unit, unsigned short* level) {
    return SourceGetIntensity(kLamp, unit, level);
}

int GetLampHours(unsigned short unit, unsigned short* hours) {
    return SourceGetHours(kLamp, unit, hours);
}

int GetSoftwareVersion(unsigned short unit, unsigned short* version) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        Put(version, lamp.softwareVersion);
        return 1;
    });
}

int GetUnitStatus(unsigned short unit, int* frontPanelLocked, int* lampOn, int* status3,
                  int* shutterOpen, int* status5, int* status6) {
    return SourceGetStatus(kLamp, unit, frontPanelLocked, lampOn, status3, shutterOpen, status5,
                           status6);
}

int GetUnitStatusext(unsigned short unit, int* feedbackOn, int* status2, int* lightGuideIn,
                     int* identified) {
    return SourceGetStatusExt(kLamp, unit, feedbackOn, status2, lightGuideIn, identified);
}

int SetIntensityLevel(unsigned short unit, unsigned short level) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        if (level > 1000) {
            return 0;
        }
        lamp.iris = level / 10.0;
        return 1;
    });
}

int CloseShutter(unsigned short unit) {
    return SourceShutter(kLamp, unit, false);
}

int OpenShutter(unsigned short unit) {
    return SourceShutter(kLamp, unit, true);
}

int TurnLampOff(unsigned short unit) {
    return WithLamp(unit, [](Bench&, LightSource& lamp) {
        lamp.lampOn = false;
        return 1;
    });
}

int TurnLampOn(unsigned short unit) {
    return WithLamp(unit, [](Bench&, LightSource& lamp) {
        if (lamp.alarm) {
            return 0;  // the supply stays off until the alarm is cleared
        }
        if (!lamp.lampOn) {
            lamp.lampOn = true;
            lamp.secondsSinceIgnition = 0.0;
        }
        return 1;
    });
}

int ClearAlarm(unsigned short unit) {
    return WithLamp(unit, [](Bench&, LightSource& lamp) {
        lamp.alarm = false;
        return 1;
    });
}

int LockFrontPanel(unsigned short unit) {
    return SourceLockFrontPanel(kLamp, unit, true);
}

int ReturnADReading(unsigned short unit, unsigned short* reading, unsigned short count) {
    return WithLamp(unit, [=](Bench& bench, LightSource& lamp) {
        Put(reading, bench.MonitorReading(lamp, count));
        return 1;
    });
}

int UnlockFrontPanel(unsigned short unit) {
    return SourceLockFrontPanel(kLamp, unit, false);
}

int Identify(unsigned short unit) {
    return SourceIdentify(kLamp, unit);
}

int GetOutputPower(unsigned short unit, unsigned short* power) {
    return WithLamp(unit, [=](Bench& bench, LightSource& lamp) {
        Put(power, bench.RawOutput(lamp));
        return 1;
    });
}

int IncrementIrisSetting(unsigned short unit) {
    return SourceStepIris(kLamp, unit, +1);
}

int DecrementIrisSetting(unsigned short unit) {
    return SourceStepIris(kLamp, unit, -1);
}

int ChangeOutputPower(unsigned short unit, short delta) {
    return WithLamp(unit, [=](Bench& bench, LightSource& lamp) {
        const double raw = RawFrom(lamp, lamp.OutputMw(bench.Now())) + delta;
        lamp.SetOutputMw(std::max(raw, 0.0) / lamp.RawPerMilliwatt(), bench.Now());
        return 1;
    });
}

int ChangePowerMode(unsigned short unit, unsigned char mode) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        lamp.powerMode = mode;
        return 1;
    });
}

int GetCalibrationTime(unsigned short unit, unsigned char* hours) {
    return SourceGetCalibration(kLamp, unit, hours);
}

int ClearCalibration(unsigned short unit) {
    return SourceClearCalibration(kLamp, unit);
}

int TurnCLFOff(unsigned short unit) {
    return SourceFeedback(kLamp, unit, false);
}

int TurnCLFOn(unsigned short unit) {
    return SourceFeedback(kLamp, unit, true);
}

int DisconnectPC(unsigned short unit) {
    return SourceDisconnect(kLamp, unit);
}

int DisableShutterControl(unsigned short unit) {
    return SourceDisableShutterControl(kLamp, unit);
}

// A fine step of the iris motor: a tenth of a percent, opening when direction is non-zero.
int SingleStepIris(unsigned short unit, unsigned char direction) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        lamp.iris = std::clamp(lamp.iris + (direction != 0 ? 0.1 : -0.1), 0.0, 100.0);
        return 1;
    });
}

int ReturnTemperatureReading(unsigned short unit, unsigned char* temperature) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        Put(temperature, TemperatureByte(lamp.temperature));
        return 1;
    });
}

int SetOutputPower(unsigned short unit, unsigned short power) {
    return WithLamp(unit, [=](Bench& bench, LightSource& lamp) {
        lamp.SetOutputMw(power / lamp.RawPerMilliwatt(), bench.Now());
        return 1;
    });
}

int GetUnitSerialNumber(unsigned short unit, unsigned short* serial) {
    return SourceGetSerial(kLamp, unit, serial);
}

int SetUnitSerialNumber(unsigned short unit, unsigned short serial) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        lamp.serial = serial;
        return 1;
    });
}

int SetLampHours(unsigned short unit, unsigned short hours) {
    return WithLamp(unit, [=](Bench&, LightSource& lamp) {
        lamp.operatingSeconds = hours * 3600.0;
        return 1;
    });
}

// Calibrating the intensity monitor needs light on it; a calibration lasts 200 lamp hours.
int CalibrateIntensityMonitor(unsigned short unit) {
    return WithLamp(unit, [](Bench&, LightSource& lamp) {
        if (!lamp.Emitting()) {
            return 0;
        }
        lamp.calibrationSeconds = 200.0 * 3600.0;
        return 1;
    });
}

int SetPercentageLevel(unsigned short unit, unsigned short level) {
    return SourceSetPercentage(kLamp, unit, level);
}

int GetPercentageLevel(unsigned short unit, unsigned short* level) {
    return SourceGetPercentage(kLamp, unit, level);
}

int GetMultiplicationFactor(unsigned short unit) {
    return WithLamp(unit, [](Bench&, LightSource& lamp) { return lamp.powerFactor; });
}

}  // extern "C"
