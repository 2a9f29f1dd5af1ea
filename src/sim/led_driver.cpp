// "Tarsa-Comm.dll": the LED-source driver library of the simulated bench.
#include "core/drivers/driver_abi.h"
#include "core/drivers/version_note.h"
#include "sim/source_commands.h"

DRIVER_FILE_VERSION(1, 1);

#define DRIVER_DECLARE_EXPORT(ret, name, params) DRIVER_EXPORT ret name params;
extern "C" {
LED_API_ENTRIES(DRIVER_DECLARE_EXPORT)
}

using namespace varden::sim;

namespace {
constexpr Family kLed = Family::kLed;
}  // namespace

extern "C" {

int GetNumDevicesConnected(void) {
    return DeviceCount(kLed);
}

int UpdateData(void) {
    return RefreshBench();
}

int SendConnect(unsigned short unit) {
    return SourceConnect(kLed, unit);
}

int SendDisConnect(unsigned short unit) {
    return SourceDisconnect(kLed, unit);
}

int DeviceActive(unsigned short unit) {
    return SourceActive(kLed, unit);
}

int SendIdentify(unsigned short unit) {
    return SourceIdentify(kLed, unit);
}

int EnablePCShutterControl(unsigned short unit) {
    return SourceEnableShutterControl(kLed, unit);
}

int GetUnitStatus(unsigned short unit, int* frontPanelLocked, int* lampOn, int* status3,
                  int* shutterOpen, int* status5, int* status6) {
    return SourceGetStatus(kLed, unit, frontPanelLocked, lampOn, status3, shutterOpen, status5,
                           status6);
}

int GetUnitStatusext(unsigned short unit, int* feedbackOn, int* status2, int* lightGuideIn,
                     int* identified) {
    return SourceGetStatusExt(kLed, unit, feedbackOn, status2, lightGuideIn, identified);
}

int GetIntensityLevel(unsigned short unit, unsigned short* level) {
    return SourceGetIntensity(kLed, unit, level);
}

int GetPercentageLevel(unsigned short unit, unsigned short* level) {
    return SourceGetPercentage(kLed, unit, level);
}

int CloseShutter(unsigned short unit) {
    return SourceShutter(kLed, unit, false);
}

int OpenShutter(unsigned short unit) {
    return SourceShutter(kLed, unit, true);
}

int LockFrontPanel(unsigned short unit) {
    return SourceLockFrontPanel(kLed, unit, true);
}

int UnlockFrontPanel(unsigned short unit) {
    return SourceLockFrontPanel(kLed, unit, false);
}

int DisableShutterControl(unsigned short unit) {
    return SourceDisableShutterControl(kLed, unit);
}

int GetLampHours(unsigned short unit, unsigned short* hours) {
    return SourceGetHours(kLed, unit, hours);
}

int GetCalibrationTime(unsigned short unit, unsigned char* hours) {
    return SourceGetCalibration(kLed, unit, hours);
}

// Heat-sink and driver-board temperatures.
int ReturnTemperatureReading(unsigned short unit, unsigned char* temperature1,
                             unsigned char* temperature2) {
    return WithSource(kLed, unit, [=](Bench&, LightSource& led) {
        Put(temperature1, TemperatureByte(led.temperature));
        Put(temperature2, TemperatureByte(led.temperature2));
        return 1;
    });
}

int ClearCalibration(unsigned short unit) {
    return SourceClearCalibration(kLed, unit);
}

int TurnCLFOff(unsigned short unit) {
    return SourceFeedback(kLed, unit, false);
}

int TurnCLFOn(unsigned short unit) {
    return SourceFeedback(kLed, unit, true);
}

int GetUnitSerialNumber(unsigned short unit, unsigned short* serial) {
    return SourceGetSerial(kLed, unit, serial);
}

int SetPercentageLevel(unsigned short unit, unsigned short level) {
    return SourceSetPercentage(kLed, unit, level);
}

int IncrementIrisSetting(unsigned short unit) {
    return SourceStepIris(kLed, unit, +1);
}

int DecrementIrisSetting(unsigned short unit) {
    return SourceStepIris(kLed, unit, -1);
}

int DisconnectPC(unsigned short unit) {
    return SourceDisconnect(kLed, unit);
}

}  // extern "C"
