// "VardenComm.dll": the power-meter driver library of the simulated bench.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/drivers/driver_abi.h"
#include "core/drivers/version_note.h"
#include "sim/driver_support.h"

DRIVER_FILE_VERSION(1, 1);

#define DRIVER_DECLARE_EXPORT(ret, name, params) DRIVER_EXPORT ret name params;
extern "C" {
METER_API_ENTRIES(DRIVER_DECLARE_EXPORT)
}

using namespace varden::sim;

namespace {

constexpr unsigned short kStoreBusy = 0xFFFF;
constexpr double kSensorAreaCm2 = 0.785;  // a 10 mm sensor

// A sleeping meter still reports what it knows but takes no new settings or readings.
template <class Action>
int WithAwakeMeter(unsigned short unit, Action&& action) {
    return WithMeter(unit, [&](Bench& bench, PowerMeter& meter) {
        return meter.asleep ? 0 : static_cast<int>(action(bench, meter));
    });
}

// Three byte fields of a date or a clock, computed by `fields`(bench, meter).
template <class Fields>
int PutFields(unsigned short unit, Fields&& fields, unsigned char* field1, unsigned char* field2,
              unsigned char* field3) {
    return WithMeter(unit, [&](Bench& bench, PowerMeter& meter) {
        const auto values = fields(bench, meter);
        Put(field1, values[0]);
        Put(field2, values[1]);
        Put(field3, values[2]);
        return 1;
    });
}

// The measuring range the meter's amplifier is on for a reading: 0 for the most sensitive.
int RangeFor(double watts) {
    if (watts <= 0.0) {
        return 0;
    }
    return std::clamp(static_cast<int>(std::floor(std::log10(watts))) + 9, 0, 7);
}

}  // namespace

extern "C" {

int GetNumDevicesConnected(void) {
    return DeviceCount(Family::kMeter);
}

int UpdateData(void) {
    return RefreshBench();
}

int DataReady(unsigned short unit) {
    return WithMeter(unit, [](Bench&, PowerMeter&) { return 1; });
}

int DeviceActive(unsigned short unit) {
    return WithMeter(unit, [](Bench&, PowerMeter&) { return 1; });
}

int GetDeviceName(unsigned short unit, char* name, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        PutText(name, size, meter.name);
        return 1;
    });
}

int GetDeviceDescription(unsigned short unit, char* text, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter&) {
        PutText(text, size, "Irvel Optical Power Meter");
        return 1;
    });
}

int SetDeviceName(unsigned short unit, const char* name) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (name == nullptr) {
            return 0;
        }
        meter.name.assign(name, strnlen(name, 63));
        return 1;
    });
}

int GetInformation(unsigned short unit, unsigned char* record, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (record == nullptr || size <= 0) {
            return 0;
        }
        char text[128];
        std::snprintf(text, sizeof text, "Irvel Optical Power Meter;SN %u;Head %u;FW %u.%02u",
                      meter.serial, meter.headSerial, meter.softwareVersion / 100u,
                      meter.softwareVersion % 100u);
        std::memset(record, 0, static_cast<std::size_t>(size));
        PutText(reinterpret_cast<char*>(record), size, text);
        return 1;
    });
}

int SetProgramMode(unsigned short unit, unsigned char mode) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.programMode = mode;
        return 1;
    });
}

// Battery charge in percent, measuring range, asleep, input channel, and two spare values.
int GetUnitStatus(unsigned short unit, int* status1, int* status2, int* status3, int* status4,
                  int* status5, int* status6) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        Put(status1, meter.battery);
        Put(status2, RangeFor(bench.MeterReading(meter)));
        Put(status3, meter.asleep);
        Put(status4, meter.inputChannel);
        Put(status5, 0);
        Put(status6, 0);
        return 1;
    });
}

int GetOutputPower(unsigned short unit, float* watts) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        Put(watts, bench.MeterReading(meter));
        return 1;
    });
}

int RequestReference(unsigned short unit, float* watts) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(watts, meter.asleep ? 0.0f : meter.reference);
        return 1;
    });
}

int RequestIrradiance(unsigned short unit, float* irradiance) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        Put(irradiance, bench.MeterReading(meter) / kSensorAreaCm2);
        return 1;
    });
}

int RequestCLA(unsigned short unit, float* value) {
    return WithMeter(unit, [=](Bench&, PowerMeter&) {
        Put(value, 1.0f);
        return 1;
    });
}

// Raw counts of the sensor's converter on its present range.
int RequestAD(unsigned short unit, unsigned short* counts) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        const double watts = bench.MeterReading(meter);
        const double fullScale = std::pow(10.0, RangeFor(watts) - 8);
        Put(counts, std::lround(std::clamp(watts / fullScale * 40000.0, 0.0, 65535.0)));
        return 1;
    });
}

int RequestTemperature(unsigned short unit, float* celsius) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        Put(celsius, meter.sensorTemperature + 0.05 * bench.Gaussian());
        return 1;
    });
}

int RequestInputChannel(unsigned short unit, unsigned char* channel) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(channel, meter.inputChannel);
        return 1;
    });
}

int RequestContrast(unsigned short unit, unsigned char* contrast) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(contrast, meter.contrast);
        return 1;
    });
}

int RequestPGA(unsigned short unit, unsigned char* gain) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        Put(gain, 7 - RangeFor(bench.MeterReading(meter)));
        return 1;
    });
}

int RequestSetPoint(unsigned short unit, float* setPoint) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(setPoint, meter.irradianceSetPoint);
        return 1;
    });
}

// The data-log requests answer only after a delay; the first calls of each return 0.
// A download begins with the count, which also moves the read position to the first reading.
int RequestNumStoredReadings(unsigned short unit, unsigned short* count) {
    return WithMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        if (!meter.Answer(MeterRequest::kCount, bench.Now())) {
            return 0;
        }
        meter.readPosition = 0;
        Put(count, meter.asleep ? kStoreBusy : std::min<std::size_t>(meter.log.size(), 0xFFFE));
        return 1;
    });
}

int RequestNextStoredReading(unsigned short unit) {
    return WithAwakeMeter(unit, [](Bench& bench, PowerMeter& meter) {
        if (!meter.Answer(MeterRequest::kNext, bench.Now())) {
            return 0;
        }
        meter.readPosition = std::min(meter.readPosition + 1, meter.log.size());
        return 1;
    });
}

int RequestStoredReading(unsigned short unit, unsigned short* date, unsigned short* time,
                         float* power, unsigned char* spare, unsigned char* input,
                         unsigned short* serial) {
    return WithAwakeMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        if (!meter.Answer(MeterRequest::kReading, bench.Now()) ||
            meter.readPosition >= meter.log.size()) {
            return 0;
        }
        const StoredReading& reading = meter.log[meter.readPosition];
        Put(date, reading.date);
        Put(time, reading.time);
        Put(power, reading.watts);
        if (spare != nullptr) {
            std::memset(spare, 0, 4);
        }
        Put(input, reading.input);
        Put(serial, reading.serial);
        return 1;
    });
}

// The number of the reading at the read position, counted from 1; 0 for an empty log.
int RequestReadingNumber(unsigned short unit, unsigned short* number) {
    return WithAwakeMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        if (!meter.Answer(MeterRequest::kNumber, bench.Now())) {
            return 0;
        }
        Put(number, meter.log.empty() ? 0 : std::min<std::size_t>(meter.readPosition + 1, 0xFFFF));
        return 1;
    });
}

int RequestSN(unsigned short unit, unsigned short* serial) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(serial, meter.serial);
        return 1;
    });
}

// Dates come as month, day, year - 2000; the clock as hour, minute, second.
int RequestCalDueDate(unsigned short unit, unsigned char* field1, unsigned char* field2,
                      unsigned char* field3) {
    return PutFields(
        unit,
        [](Bench&, PowerMeter& meter) {
            return std::array<int, 3>{meter.calDue[0], meter.calDue[1], meter.calDue[2]};
        },
        field1, field2, field3);
}

int RequestTimeDate(unsigned short unit, unsigned char* field1, unsigned char* field2,
                    unsigned char* field3) {
    return PutFields(
        unit,
        [](Bench& bench, PowerMeter& meter) {
            const CalendarTime now = meter.Calendar(bench.Now());
            return std::array<int, 3>{now.month, now.day, now.year - 2000};
        },
        field1, field2, field3);
}

int RequestRTC(unsigned short unit, unsigned char* field1, unsigned char* field2,
               unsigned char* field3) {
    return PutFields(
        unit,
        [](Bench& bench, PowerMeter& meter) {
            const CalendarTime now = meter.Calendar(bench.Now());
            return std::array<int, 3>{now.hour, now.minute, now.second};
        },
        field1, field2, field3);
}

int RequestMode(unsigned short unit, unsigned short* mode) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(mode, meter.mode);
        return 1;
    });
}

int RequestIdentity(unsigned short unit, char* text, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        char identity[64];
        std::snprintf(identity, sizeof identity, "Irvel,%u,%u.%02u", meter.serial,
                      meter.softwareVersion / 100u, meter.softwareVersion % 100u);
        PutText(text, size, identity);
        return 1;
    });
}

// The code of the light-guide adapter on the sensor head.
int RequestLGC(unsigned short unit, char* text, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        PutText(text, size, "LGC " + meter.adapterName);
        return 1;
    });
}

int SetHexMode(unsigned short unit) {
    return WithAwakeMeter(unit, [](Bench&, PowerMeter& meter) {
        meter.mode |= 0x0002;
        return 1;
    });
}

int SetDecMode(unsigned short unit) {
    return WithAwakeMeter(unit, [](Bench&, PowerMeter& meter) {
        meter.mode &= static_cast<uint16_t>(~0x0002u);
        return 1;
    });
}

int RequestKeysPressed(unsigned short unit, unsigned short* keys) {
    return WithMeter(unit, [=](Bench&, PowerMeter&) {
        Put(keys, 0);
        return 1;
    });
}

int RequestLGA(unsigned short unit, char* text, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        PutText(text, size, meter.adapterName);
        return 1;
    });
}

// The sensor head's identity chip: family code, six serial bytes, checksum byte.
int Read1WireBus(unsigned short unit, unsigned char* buffer, int size) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (buffer == nullptr || size <= 0) {
            return 0;
        }
        const unsigned char rom[8] = {0x28,
                                      static_cast<unsigned char>(meter.headSerial & 0xFF),
                                      static_cast<unsigned char>(meter.headSerial >> 8),
                                      0x4F,
                                      0x52,
                                      0x00,
                                      0x00,
                                      static_cast<unsigned char>(0x28 ^ meter.headSerial)};
        std::memcpy(buffer, rom, std::min<std::size_t>(sizeof rom, static_cast<std::size_t>(size)));
        return 1;
    });
}

int RequestCLD(unsigned short unit, float* value) {
    return WithMeter(unit, [=](Bench&, PowerMeter&) {
        Put(value, 0.0f);
        return 1;
    });
}

int SetCurrentInputChannel(unsigned short unit, unsigned char channel) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (channel < 1 || channel > 2) {
            return 0;
        }
        meter.inputChannel = channel;
        return 1;
    });
}

int SetCurrentIrrSetPoint(unsigned short unit, float setPoint) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (!(setPoint >= 0.0f)) {
            return 0;
        }
        meter.irradianceSetPoint = setPoint;
        return 1;
    });
}

// A positive value becomes the reference; zero or less takes the present reading.
int SetCurrentRefSetPoint(unsigned short unit, float setPoint) {
    return WithAwakeMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        if (std::isnan(setPoint)) {
            return 0;
        }
        meter.reference =
            setPoint > 0.0f ? setPoint : static_cast<float>(bench.MeterReading(meter));
        return 1;
    });
}

int SetRTD(unsigned short unit, unsigned char month, unsigned char day, unsigned char year) {
    return WithAwakeMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        return meter.SetDate(month, day, year, bench.Now());
    });
}

int SetRTC(unsigned short unit, unsigned char hour, unsigned char minute, unsigned char second) {
    return WithAwakeMeter(unit, [=](Bench& bench, PowerMeter& meter) {
        return meter.SetClock(hour, minute, second, bench.Now());
    });
}

int SetMode(unsigned short unit, unsigned short mode) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.mode = mode;
        return 1;
    });
}

int Save(unsigned short unit) {
    return WithAwakeMeter(unit, [](Bench&, PowerMeter&) { return 1; });
}

int AddCurrentReadingToDataLog(unsigned short unit) {
    return WithAwakeMeter(unit, [](Bench& bench, PowerMeter& meter) {
        if (meter.log.size() >= kMaxStoredReadings) {
            return 0;
        }
        const CalendarTime now = meter.Calendar(bench.Now());
        meter.log.push_back({EncodeDate(now), EncodeTime(now),
                             static_cast<float>(bench.MeterReading(meter)), meter.inputChannel,
                             meter.serial});
        return 1;
    });
}

int SetLCDContrast(unsigned short unit, unsigned char contrast) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.contrast = contrast;
        return 1;
    });
}

int SetCustomLGAdapter(unsigned short unit, const char* name) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (name == nullptr) {
            return 0;
        }
        meter.adapterName.assign(name, strnlen(name, 63));
        return 1;
    });
}

// Switched off, the meter drops off the bus until it is plugged in again.
int TurnRadiometerOff(unsigned short unit) {
    return WithMeter(unit, [](Bench&, PowerMeter& meter) {
        meter.switchedOff = true;
        return 1;
    });
}

int PutRadiometerToSleep(unsigned short unit) {
    return WithMeter(unit, [](Bench&, PowerMeter& meter) {
        meter.asleep = true;
        return 1;
    });
}

int PerformCalibrationCmd(unsigned short unit, unsigned char command) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter&) { return command < 16 ? 1 : 0; });
}

int SetFiveFreqSetPoints(unsigned short unit, unsigned char slot, unsigned short wavelength) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (slot > 4 || (wavelength != 0 && (wavelength < 200 || wavelength > 1100))) {
            return 0;
        }
        meter.favourites[slot] = wavelength;
        return 1;
    });
}

int GetFiveFreqSetPoints(unsigned short unit, unsigned short* slot0, unsigned short* slot1,
                         unsigned short* slot2, unsigned short* slot3, unsigned short* slot4) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(slot0, meter.favourites[0]);
        Put(slot1, meter.favourites[1]);
        Put(slot2, meter.favourites[2]);
        Put(slot3, meter.favourites[3]);
        Put(slot4, meter.favourites[4]);
        return 1;
    });
}

int GetSoftwareVersion(unsigned short unit, unsigned short* version) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(version, meter.softwareVersion);
        return 1;
    });
}

int WakeRadiometer(unsigned short unit) {
    return WithMeter(unit, [](Bench&, PowerMeter& meter) {
        meter.asleep = false;
        return 1;
    });
}

int SetWaveLength(unsigned short unit, unsigned short wavelength) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (wavelength < 200 || wavelength > 1100) {
            return 0;
        }
        meter.wavelength = wavelength;
        return 1;
    });
}

int GetWaveLength(unsigned short unit, unsigned short* wavelength) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(wavelength, meter.wavelength);
        return 1;
    });
}

int RequestOPRCalDueDate(unsigned short unit, unsigned char* field1, unsigned char* field2,
                         unsigned char* field3) {
    return PutFields(
        unit,
        [](Bench&, PowerMeter& meter) {
            return std::array<int, 3>{meter.oprCalDue[0], meter.oprCalDue[1], meter.oprCalDue[2]};
        },
        field1, field2, field3);
}

int SetOPRCalDueDate(unsigned short unit, unsigned char field1, unsigned char field2,
                     unsigned char field3) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        CalendarTime due;
        due.month = field1;
        due.day = field2;
        due.year = 2000 + field3;
        if (!ValidCalendar(due)) {
            return 0;
        }
        meter.oprCalDue[0] = field1;
        meter.oprCalDue[1] = field2;
        meter.oprCalDue[2] = field3;
        return 1;
    });
}

int SetHeadSerialNumber(unsigned short unit, unsigned short serial) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.headSerial = serial;
        return 1;
    });
}

int GetHeadSerialNumber(unsigned short unit, unsigned short* serial) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(serial, meter.headSerial);
        return 1;
    });
}

int SetGainControlState(unsigned short unit, unsigned char state) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.gainState = state;
        return 1;
    });
}

int GetGainControlState(unsigned short unit, unsigned char* state) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(state, meter.gainState);
        return 1;
    });
}

int SetGainControlLevel(unsigned short unit, unsigned char level) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.gainLevel = level;
        return 1;
    });
}

int GetGainControlLevel(unsigned short unit, unsigned char* level) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(level, meter.gainLevel);
        return 1;
    });
}

int SetWavelengthCalData(unsigned short unit, unsigned short wavelength, float factor) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (wavelength < 200 || wavelength > 1100 || !(factor > 0.0f) || !std::isfinite(factor)) {
            return 0;
        }
        meter.wavelengthCal[wavelength] = factor;
        return 1;
    });
}

int GetWavelengthCalData(unsigned short unit, unsigned short wavelength, float* factor) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        auto found = meter.wavelengthCal.find(wavelength);
        Put(factor, found == meter.wavelengthCal.end() ? 1.0f : found->second);
        return 1;
    });
}

int SetHWGainData(unsigned short unit, unsigned char stage, float gain) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (stage >= std::size(meter.hardwareGain) || !(gain > 0.0f) || !std::isfinite(gain)) {
            return 0;
        }
        meter.hardwareGain[stage] = gain;
        return 1;
    });
}

int GetHWGainData(unsigned short unit, unsigned char stage, float* gain) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        if (stage >= std::size(meter.hardwareGain)) {
            return 0;
        }
        Put(gain, meter.hardwareGain[stage]);
        return 1;
    });
}

int SetCalibrationMode(unsigned short unit, unsigned char mode) {
    return WithAwakeMeter(unit, [=](Bench&, PowerMeter& meter) {
        meter.calibrationMode = mode;
        return 1;
    });
}

int GetCalibrationMode(unsigned short unit, unsigned char* mode) {
    return WithMeter(unit, [=](Bench&, PowerMeter& meter) {
        Put(mode, meter.calibrationMode);
        return 1;
    });
}

int GetCurrentOffsetSlope(unsigned short unit, float* offset, float* slope) {
    return WithMeter(unit, [=](Bench&, PowerMeter&) {
        Put(offset, 1.2e-9f);
        Put(slope, 1.0f);
        return 1;
    });
}

}  // extern "C"
