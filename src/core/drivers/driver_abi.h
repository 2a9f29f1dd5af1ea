/*
 * The contract of the three instrument driver libraries: every export, its argument types and
 * its place in the binding order.
 *
 * Each family is one X-macro list, X(return type, export name, parameter list), in binding
 * order. The panel builds its entry tables from these lists; a driver library includes this
 * header and declares its exports from the same lists, so the two sides cannot drift apart.
 *
 * Argument conventions: the unit number is `unsigned short`; 8-bit outs are `unsigned char*`,
 * 16-bit outs `unsigned short*`, 32-bit outs `int*`, float outs `float*`. Results are `int`:
 * flags (only zero and non-zero matter), device counts and the lamp's power factor (low 16 bits).
 * Every export uses the plain C calling convention.
 */
#ifndef VARDEN_DRIVER_ABI_H
#define VARDEN_DRIVER_ABI_H

#ifdef __cplusplus
extern "C" {
#endif

/* File names under which the panel looks for the three libraries. */
#define LAMP_LIBRARY_FILE "Orvane ovata.dll"
#define METER_LIBRARY_FILE "VardenComm.dll"
#define LED_LIBRARY_FILE "Tarsa-Comm.dll"

/*
 * Device-information record that the lamp library's GetInformation fills: 272 bytes, fields
 * back to back, little-endian numbers, texts zero-terminated within their fields (a driver may
 * fill a field to its end without the zero; readers must stop at the field's end).
 */
typedef struct OvataDeviceInfo {
    char serialNumber[64];       /* offset 0 */
    char description[64];        /* offset 64 */
    char manufacturer[32];       /* offset 128 */
    char manufacturerId[16];     /* offset 160 */
    char deviceName[64];         /* offset 176 */
    unsigned short maxPower;     /* offset 240 */
    unsigned short plugAndPlay;  /* offset 242 */
    unsigned short selfPowered;  /* offset 244 */
    unsigned short remoteWakeup; /* offset 246 */
    unsigned char revision4;     /* offset 248 */
    unsigned char isoIn;         /* offset 249 */
    unsigned char isoOut;        /* offset 250 */
    unsigned char reserved1[3];  /* offset 251 */
    unsigned short usbVersion;   /* offset 254 */
    unsigned char reserved2[8];  /* offset 256 */
    unsigned int correctPackets; /* offset 264 */
    unsigned int errorPackets;   /* offset 268 */
} OvataDeviceInfo;

/* ---- Lamp source, "Orvane ovata.dll": 48 entries ---- */
#define LAMP_API_ENTRIES(X)                                                                       \
    X(int, GetNumDevicesConnected, (void))                                                        \
    X(int, UpdateData, (void))                                                                    \
    X(int, SendConnect, (unsigned short unit))                                                    \
    X(int, SendDisConnect, (unsigned short unit))                                                 \
    X(int, DataReady, (unsigned short unit))                                                      \
    X(int, DeviceActive, (unsigned short unit))                                                   \
    X(int, GetDeviceName, (unsigned short unit, char* name, int size))                            \
    X(int, GetDeviceDescription, (unsigned short unit, char* text, int size))                     \
    X(int, SendIdentify, (unsigned short unit))                                                   \
    X(int, SetDeviceName, (unsigned short unit, const char* name))                                \
    X(int, GetInformation, (unsigned short unit, OvataDeviceInfo* info))                          \
    X(int, EnablePCShutterControl, (unsigned short unit))                                         \
    X(int, GetIntensityLevel, (unsigned short unit, unsigned short* level))                       \
    X(int, GetLampHours, (unsigned short unit, unsigned short* hours))                            \
    X(int, GetSoftwareVersion, (unsigned short unit, unsigned short* version))                    \
    X(int, GetUnitStatus,                                                                         \
      (unsigned short unit, int* frontPanelLocked, int* lampOn, int* status3, int* shutterOpen,   \
       int* status5, int* status6))                                                               \
    X(int, GetUnitStatusext,                                                                      \
      (unsigned short unit, int* feedbackOn, int* status2, int* lightGuideIn, int* identified))   \
    X(int, SetIntensityLevel, (unsigned short unit, unsigned short level))                        \
    X(int, CloseShutter, (unsigned short unit))                                                   \
    X(int, OpenShutter, (unsigned short unit))                                                    \
    X(int, TurnLampOff, (unsigned short unit))                                                    \
    X(int, TurnLampOn, (unsigned short unit))                                                     \
    X(int, ClearAlarm, (unsigned short unit))                                                     \
    X(int, LockFrontPanel, (unsigned short unit))                                                 \
    X(int, ReturnADReading, (unsigned short unit, unsigned short* reading, unsigned short count)) \
    X(int, UnlockFrontPanel, (unsigned short unit))                                               \
    X(int, Identify, (unsigned short unit))                                                       \
    X(int, GetOutputPower, (unsigned short unit, unsigned short* power))                          \
    X(int, IncrementIrisSetting, (unsigned short unit))                                           \
    X(int, DecrementIrisSetting, (unsigned short unit))                                           \
    X(int, ChangeOutputPower, (unsigned short unit, short delta))                                 \
    X(int, ChangePowerMode, (unsigned short unit, unsigned char mode))                            \
    X(int, GetCalibrationTime, (unsigned short unit, unsigned char* hours))                       \
    X(int, ClearCalibration, (unsigned short unit))                                               \
    X(int, TurnCLFOff, (unsigned short unit))                                                     \
    X(int, TurnCLFOn, (unsigned short unit))                                                      \
    X(int, DisconnectPC, (unsigned short unit))                                                   \
    X(int, DisableShutterControl, (unsigned short unit))                                          \
    X(int, SingleStepIris, (unsigned short unit, unsigned char direction))                        \
    X(int, ReturnTemperatureReading, (unsigned short unit, unsigned char* temperature))           \
    X(int, SetOutputPower, (unsigned short unit, unsigned short power))                           \
    X(int, GetUnitSerialNumber, (unsigned short unit, unsigned short* serial))                    \
    X(int, SetUnitSerialNumber, (unsigned short unit, unsigned short serial))                     \
    X(int, SetLampHours, (unsigned short unit, unsigned short hours))                             \
    X(int, CalibrateIntensityMonitor, (unsigned short unit))                                      \
    X(int, SetPercentageLevel, (unsigned short unit, unsigned short level))                       \
    X(int, GetPercentageLevel, (unsigned short unit, unsigned short* level))                      \
    X(int, GetMultiplicationFactor, (unsigned short unit))

/* ---- Power meter, "VardenComm.dll": 71 entries ---- */
#define METER_API_ENTRIES(X)                                                                      \
    X(int, GetNumDevicesConnected, (void))                                                        \
    X(int, UpdateData, (void))                                                                    \
    X(int, DataReady, (unsigned short unit))                                                      \
    X(int, DeviceActive, (unsigned short unit))                                                   \
    X(int, GetDeviceName, (unsigned short unit, char* name, int size))                            \
    X(int, GetDeviceDescription, (unsigned short unit, char* text, int size))                     \
    X(int, SetDeviceName, (unsigned short unit, const char* name))                                \
    X(int, GetInformation, (unsigned short unit, unsigned char* record, int size))                \
    X(int, SetProgramMode, (unsigned short unit, unsigned char mode))                             \
    X(int, GetUnitStatus,                                                                         \
      (unsigned short unit, int* status1, int* status2, int* status3, int* status4, int* status5, \
       int* status6))                                                                             \
    X(int, GetOutputPower, (unsigned short unit, float* watts))                                   \
    X(int, RequestReference, (unsigned short unit, float* watts))                                 \
    X(int, RequestIrradiance, (unsigned short unit, float* irradiance))                           \
    X(int, RequestCLA, (unsigned short unit, float* value))                                       \
    X(int, RequestAD, (unsigned short unit, unsigned short* counts))                              \
    X(int, RequestTemperature, (unsigned short unit, float* celsius))                             \
    X(int, RequestInputChannel, (unsigned short unit, unsigned char* channel))                    \
    X(int, RequestContrast, (unsigned short unit, unsigned char* contrast))                       \
    X(int, RequestPGA, (unsigned short unit, unsigned char* gain))                                \
    X(int, RequestSetPoint, (unsigned short unit, float* setPoint))                               \
    X(int, RequestNumStoredReadings, (unsigned short unit, unsigned short* count))                \
    X(int, RequestNextStoredReading, (unsigned short unit))                                       \
    X(int, RequestStoredReading,                                                                  \
      (unsigned short unit, unsigned short* date, unsigned short* time, float* power,             \
       unsigned char* spare, unsigned char* input, unsigned short* serial))                       \
    X(int, RequestReadingNumber, (unsigned short unit, unsigned short* number))                   \
    X(int, RequestSN, (unsigned short unit, unsigned short* serial))                              \
    X(int, RequestCalDueDate,                                                                     \
      (unsigned short unit, unsigned char* field1, unsigned char* field2, unsigned char* field3)) \
    X(int, RequestTimeDate,                                                                       \
      (unsigned short unit, unsigned char* field1, unsigned char* field2, unsigned char* field3)) \
    X(int, RequestRTC,                                                                            \
      (unsigned short unit, unsigned char* field1, unsigned char* field2, unsigned char* field3)) \
    X(int, RequestMode, (unsigned short unit, unsigned short* mode))                              \
    X(int, RequestIdentity, (unsigned short unit, char* text, int size))                          \
    X(int, RequestLGC, (unsigned short unit, char* text, int size))                               \
    X(int, SetHexMode, (unsigned short unit))                                                     \
    X(int, SetDecMode, (unsigned short unit))                                                     \
    X(int, RequestKeysPressed, (unsigned short unit, unsigned short* keys))                       \
    X(int, RequestLGA, (unsigned short unit, char* text, int size))                               \
    X(int, Read1WireBus, (unsigned short unit, unsigned char* buffer, int size))                  \
    X(int, RequestCLD, (unsigned short unit, float* value))                                       \
    X(int, SetCurrentInputChannel, (unsigned short unit, unsigned char channel))                  \
    X(int, SetCurrentIrrSetPoint, (unsigned short unit, float setPoint))                          \
    X(int, SetCurrentRefSetPoint, (unsigned short unit, float setPoint))                          \
    X(int, SetRTD,                                                                                \
      (unsigned short unit, unsigned char month, unsigned char day, unsigned char year))          \
    X(int, SetRTC,                                                                                \
      (unsigned short unit, unsigned char hour, unsigned char minute, unsigned char second))      \
    X(int, SetMode, (unsigned short unit, unsigned short mode))                                   \
    X(int, Save, (unsigned short unit))                                                           \
    X(int, AddCurrentReadingToDataLog, (unsigned short unit))                                     \
    X(int, SetLCDContrast, (unsigned short unit, unsigned char contrast))                         \
    X(int, SetCustomLGAdapter, (unsigned short unit, const char* name))                           \
    X(int, TurnRadiometerOff, (unsigned short unit))                                              \
    X(int, PutRadiometerToSleep, (unsigned short unit))                                           \
    X(int, PerformCalibrationCmd, (unsigned short unit, unsigned char command))                   \
    X(int, SetFiveFreqSetPoints,                                                                  \
      (unsigned short unit, unsigned char slot, unsigned short wavelength))                       \
    X(int, GetFiveFreqSetPoints,                                                                  \
      (unsigned short unit, unsigned short* slot0, unsigned short* slot1, unsigned short* slot2,  \
       unsigned short* slot3, unsigned short* slot4))                                             \
    X(int, GetSoftwareVersion, (unsigned short unit, unsigned short* version))                    \
    X(int, WakeRadiometer, (unsigned short unit))                                                 \
    X(int, SetWaveLength, (unsigned short unit, unsigned short wavelength))                       \
    X(int, GetWaveLength, (unsigned short unit, unsigned short* wavelength))                      \
    X(int, RequestOPRCalDueDate,                                                                  \
      (unsigned short unit, unsigned char* field1, unsigned char* field2, unsigned char* field3)) \
    X(int, SetOPRCalDueDate,                                                                      \
      (unsigned short unit, unsigned char field1, unsigned char field2, unsigned char field3))    \
    X(int, SetHeadSerialNumber, (unsigned short unit, unsigned short serial))                     \
    X(int, GetHeadSerialNumber, (unsigned short unit, unsigned short* serial))                    \
    X(int, SetGainControlState, (unsigned short unit, unsigned char state))                       \
    X(int, GetGainControlState, (unsigned short unit, unsigned char* state))                      \
    X(int, SetGainControlLevel, (unsigned short unit, unsigned char level))                       \
    X(int, GetGainControlLevel, (unsigned short unit, unsigned char* level))                      \
    X(int, SetWavelengthCalData, (unsigned short unit, unsigned short wavelength, float factor))  \
    X(int, GetWavelengthCalData, (unsigned short unit, unsigned short wavelength, float* factor)) \
    X(int, SetHWGainData, (unsigned short unit, unsigned char stage, float gain))                 \
    X(int, GetHWGainData, (unsigned short unit, unsigned char stage, float* gain))                \
    X(int, SetCalibrationMode, (unsigned short unit, unsigned char mode))                         \
    X(int, GetCalibrationMode, (unsigned short unit, unsigned char* mode))                        \
    X(int, GetCurrentOffsetSlope, (unsigned short unit, float* offset, float* slope))

/* ---- LED source, "Tarsa-Comm.dll": 27 entries ---- */
#define LED_API_ENTRIES(X)                                                                      \
    X(int, GetNumDevicesConnected, (void))                                                      \
    X(int, UpdateData, (void))                                                                  \
    X(int, SendConnect, (unsigned short unit))                                                  \
    X(int, SendDisConnect, (unsigned short unit))                                               \
    X(int, DeviceActive, (unsigned short unit))                                                 \
    X(int, SendIdentify, (unsigned short unit))                                                 \
    X(int, EnablePCShutterControl, (unsigned short unit))                                       \
    X(int, GetUnitStatus,                                                                       \
      (unsigned short unit, int* frontPanelLocked, int* lampOn, int* status3, int* shutterOpen, \
       int* status5, int* status6))                                                             \
    X(int, GetUnitStatusext,                                                                    \
      (unsigned short unit, int* feedbackOn, int* status2, int* lightGuideIn, int* identified)) \
    X(int, GetIntensityLevel, (unsigned short unit, unsigned short* level))                     \
    X(int, GetPercentageLevel, (unsigned short unit, unsigned short* level))                    \
    X(int, CloseShutter, (unsigned short unit))                                                 \
    X(int, OpenShutter, (unsigned short unit))                                                  \
    X(int, LockFrontPanel, (unsigned short unit))                                               \
    X(int, UnlockFrontPanel, (unsigned short unit))                                             \
    X(int, DisableShutterControl, (unsigned short unit))                                        \
    X(int, GetLampHours, (unsigned short unit, unsigned short* hours))                          \
    X(int, GetCalibrationTime, (unsigned short unit, unsigned char* hours))                     \
    X(int, ReturnTemperatureReading,                                                            \
      (unsigned short unit, unsigned char* temperature1, unsigned char* temperature2))          \
    X(int, ClearCalibration, (unsigned short unit))                                             \
    X(int, TurnCLFOff, (unsigned short unit))                                                   \
    X(int, TurnCLFOn, (unsigned short unit))                                                    \
    X(int, GetUnitSerialNumber, (unsigned short unit, unsigned short* serial))                  \
    X(int, SetPercentageLevel, (unsigned short unit, unsigned short level))                     \
    X(int, IncrementIrisSetting, (unsigned short unit))                                         \
    X(int, DecrementIrisSetting, (unsigned short unit))                                         \
    X(int, DisconnectPC, (unsigned short unit))

/*
 * A driver library declares its own exports with, for example:
 *     #define DRIVER_DECLARE_EXPORT(ret, name, params) DRIVER_EXPORT ret name params;
 *     LAMP_API_ENTRIES(DRIVER_DECLARE_EXPORT)
 * after which a definition whose signature differs from the contract does not compile.
 */
#define DRIVER_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
}
#endif

#endif /* VARDEN_DRIVER_ABI_H */
