#include "support/fake_instruments.h"

#include <cassert>
#include <cstring>

#include "core/app/control_panel_dlg.h"

namespace varden::testing {

FakeInstruments* FakeInstruments::current_ = nullptr;

namespace {

constexpr std::size_t EntryIndex(const auto& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (std::string_view(names[i]) == name) {
            return i;
        }
    }
    return static_cast<std::size_t>(-1);
}

// A plain C function for each entry: it hands its arguments to the current instance.
template <typename T>
struct Thunk;

template <typename R, typename... A>
struct Thunk<R (*)(A...)> {
    template <Family F, std::size_t I>
    static R Call(A... args) {
        return FakeInstruments::Current().Invoke<R, A...>(F, I, args...);
    }
};

template <typename T>
void Write(T* target, const T& value) {
    if (target != nullptr) {
        *target = value;
    }
}

// A data-log request of the meter: "not ready" for a while, then the answer.
template <typename Answer>
int AnswerWhenReady(FakeMeter& meter, Answer answer) {
    if (meter.notReadyLeft < 0) {
        meter.notReadyLeft = meter.notReadyAnswers;
    }
    if (meter.notReadyLeft > 0) {
        --meter.notReadyLeft;
        return 0;
    }
    meter.notReadyLeft = meter.notReadyAnswers;
    answer();
    return 1;
}

}  // namespace

FakeInstruments::FakeInstruments(CallLog& log) : log_(log) {
    assert(current_ == nullptr && "one FakeInstruments at a time");
    current_ = this;
    InstallDefaults();
}

FakeInstruments::~FakeInstruments() {
    current_ = nullptr;
}

FakeInstruments& FakeInstruments::Current() {
    assert(current_ != nullptr);
    return *current_;
}

std::string_view FakeInstruments::EntryName(Family family, std::size_t index) {
    switch (family) {
        case Family::Lamp: return kLampExportNames.at(index);
        case Family::Meter: return kMeterExportNames.at(index);
        case Family::Led: return kLedExportNames.at(index);
    }
    return {};
}

#define VARDEN_FAKE_FILL(family, names, name) \
    table.name = &Thunk<decltype(table.name)>::template Call<family, EntryIndex(names, #name)>;

LampApi FakeInstruments::LampTable() const {
    LampApi table;
#define VARDEN_FAKE_LAMP(ret, name, params) VARDEN_FAKE_FILL(Family::Lamp, kLampExportNames, name)
    LAMP_API_ENTRIES(VARDEN_FAKE_LAMP)
#undef VARDEN_FAKE_LAMP
    return table;
}

MeterApi FakeInstruments::MeterTable() const {
    MeterApi table;
#define VARDEN_FAKE_METER(ret, name, params) \
    VARDEN_FAKE_FILL(Family::Meter, kMeterExportNames, name)
    METER_API_ENTRIES(VARDEN_FAKE_METER)
#undef VARDEN_FAKE_METER
    return table;
}

LedApi FakeInstruments::LedTable() const {
    LedApi table;
#define VARDEN_FAKE_LED(ret, name, params) VARDEN_FAKE_FILL(Family::Led, kLedExportNames, name)
    LED_API_ENTRIES(VARDEN_FAKE_LED)
#undef VARDEN_FAKE_LED
    return table;
}

void* FakeInstruments::Export(Family family, std::string_view name) const {
#define VARDEN_FAKE_EXPORT(ret, entry, params)       \
    if (name == #entry) {                            \
        return reinterpret_cast<void*>(table.entry); \
    }
    switch (family) {
        case Family::Lamp: {
            LampApi table = LampTable();
            LAMP_API_ENTRIES(VARDEN_FAKE_EXPORT)
            break;
        }
        case Family::Meter: {
            MeterApi table = MeterTable();
            METER_API_ENTRIES(VARDEN_FAKE_EXPORT)
            break;
        }
        case Family::Led: {
            LedApi table = LedTable();
            LED_API_ENTRIES(VARDEN_FAKE_EXPORT)
            break;
        }
    }
#undef VARDEN_FAKE_EXPORT
    return nullptr;
}

void FakeInstruments::InstallInto(CVardenControlPanelDlg& dlg) const {
    dlg.lampApi = LampTable();
    dlg.meterApi = MeterTable();
    dlg.ledApi = LedTable();
    dlg.lampBound = dlg.meterBound = dlg.ledBound = true;
}

// Behaviour shared by the lamp and LED families.
template <typename Api>
static void InstallSourceDefaults(FakeInstruments& fake, FakeFamily<FakeSource>& family) {
    auto* f = &family;
    fake.Override(&Api::GetNumDevicesConnected, [f]() { return f->deviceCount; });
    fake.Override(&Api::UpdateData, []() { return 1; });
    fake.Override(&Api::DeviceActive, [f](unsigned short unit) { return f->Active(unit) ? 1 : 0; });
    fake.Override(&Api::GetUnitStatus,
                  [f](unsigned short unit, int* a, int* b, int* c, int* d, int* e, int* g) {
                      const FakeSource& s = f->At(unit);
                      Write(a, s.status[0]), Write(b, s.status[1]), Write(c, s.status[2]);
                      Write(d, s.status[3]), Write(e, s.status[4]), Write(g, s.status[5]);
                      return 1;
                  });
    fake.Override(&Api::GetUnitStatusext, [f](unsigned short unit, int* a, int* b, int* c, int* d) {
        const FakeSource& s = f->At(unit);
        Write(a, s.statusExt[0]), Write(b, s.statusExt[1]), Write(c, s.statusExt[2]);
        Write(d, s.statusExt[3]);
        return 1;
    });
    fake.Override(&Api::GetPercentageLevel, [f](unsigned short unit, unsigned short* level) {
        Write(level, f->At(unit).percent);
        return 1;
    });
    fake.Override(&Api::SetPercentageLevel, [f](unsigned short unit, unsigned short level) {
        f->At(unit).percent = level;
        return 1;
    });
    fake.Override(&Api::GetCalibrationTime, [f](unsigned short unit, unsigned char* hours) {
        Write(hours, f->At(unit).calibrationHours);
        return 1;
    });
    fake.Override(&Api::GetLampHours, [f](unsigned short unit, unsigned short* hours) {
        Write(hours, f->At(unit).hours);
        return 1;
    });
    fake.Override(&Api::OpenShutter, [f](unsigned short unit) {
        f->At(unit).status[3] = 1;
        return 1;
    });
    fake.Override(&Api::CloseShutter, [f](unsigned short unit) {
        f->At(unit).status[3] = 0;
        return 1;
    });
    fake.Override(&Api::TurnCLFOn, [f](unsigned short unit) {
        f->At(unit).statusExt[0] = 1;
        return 1;
    });
    fake.Override(&Api::TurnCLFOff, [f](unsigned short unit) {
        f->At(unit).statusExt[0] = 0;
        return 1;
    });
    fake.Override(&Api::ClearCalibration, [f](unsigned short unit) {
        f->At(unit).calibrationHours = 0;
        return 1;
    });
    fake.Override(&Api::LockFrontPanel, [f](unsigned short unit) {
        f->At(unit).status[0] = 1;
        return 1;
    });
    fake.Override(&Api::UnlockFrontPanel, [f](unsigned short unit) {
        f->At(unit).status[0] = 0;
        return 1;
    });
}

void FakeInstruments::InstallDefaults() {
    InstallSourceDefaults<LampApi>(*this, lamp);
    InstallSourceDefaults<LedApi>(*this, led);

    FakeFamily<FakeSource>* l = &lamp;
    Override(&LampApi::GetOutputPower, [l](unsigned short unit, unsigned short* power) {
        Write(power, l->At(unit).outputPower);
        return 1;
    });
    Override(&LampApi::SetOutputPower, [l](unsigned short unit, unsigned short power) {
        l->At(unit).outputPower = power;
        return 1;
    });
    Override(&LampApi::GetMultiplicationFactor,
             [l](unsigned short unit) { return l->At(unit).factor; });
    Override(&LampApi::ReturnTemperatureReading, [l](unsigned short unit, unsigned char* t) {
        Write(t, l->At(unit).temperature);
        return 1;
    });
    Override(&LampApi::ReturnADReading,
             [l](unsigned short unit, unsigned short* reading, unsigned short /*count*/) {
                 Write(reading, l->At(unit).adReading);
                 return 1;
             });
    Override(&LampApi::TurnLampOn, [l](unsigned short unit) {
        l->At(unit).status[1] = 1;
        return 1;
    });
    Override(&LampApi::TurnLampOff, [l](unsigned short unit) {
        l->At(unit).status[1] = 0;
        return 1;
    });
    Override(&LampApi::GetInformation, [l](unsigned short unit, OvataDeviceInfo* info) {
        Write(info, l->At(unit).info);
        return 1;
    });

    FakeFamily<FakeSource>* d = &led;
    Override(&LedApi::ReturnTemperatureReading,
             [d](unsigned short unit, unsigned char* t1, unsigned char* t2) {
                 Write(t1, d->At(unit).temperature);
                 Write(t2, d->At(unit).temperature2);
                 return 1;
             });

    FakeFamily<FakeMeter>* m = &meter;
    Override(&MeterApi::GetNumDevicesConnected, [m]() { return m->deviceCount; });
    Override(&MeterApi::UpdateData, []() { return 1; });
    Override(&MeterApi::DeviceActive, [m](unsigned short unit) { return m->Active(unit) ? 1 : 0; });
    Override(&MeterApi::GetOutputPower, [m](unsigned short unit, float* watts) {
        Write(watts, m->At(unit).power);
        return 1;
    });
    Override(&MeterApi::RequestReference, [m](unsigned short unit, float* watts) {
        Write(watts, m->At(unit).reference);
        return 1;
    });
    Override(&MeterApi::GetWaveLength, [m](unsigned short unit, unsigned short* nm) {
        Write(nm, m->At(unit).wavelength);
        return 1;
    });
    Override(&MeterApi::SetWaveLength, [m](unsigned short unit, unsigned short nm) {
        m->At(unit).wavelength = nm;
        return 1;
    });
    Override(&MeterApi::GetFiveFreqSetPoints,
             [m](unsigned short unit, unsigned short* a, unsigned short* b, unsigned short* c,
                 unsigned short* e, unsigned short* g) {
                 const FakeMeter& meter = m->At(unit);
                 Write(a, meter.favourites[0]), Write(b, meter.favourites[1]);
                 Write(c, meter.favourites[2]), Write(e, meter.favourites[3]);
                 Write(g, meter.favourites[4]);
                 return meter.favouritesResult;
             });
    Override(&MeterApi::SetFiveFreqSetPoints,
             [m](unsigned short unit, unsigned char slot, unsigned short nm) {
                 if (slot < 5) {
                     m->At(unit).favourites[slot] = nm;
                 }
                 return 1;
             });
    Override(&MeterApi::RequestContrast, [m](unsigned short unit, unsigned char* contrast) {
        Write(contrast, m->At(unit).contrast);
        return m->At(unit).contrastResult;
    });
    Override(&MeterApi::SetLCDContrast, [m](unsigned short unit, unsigned char contrast) {
        m->At(unit).contrast = contrast;
        return 1;
    });
    Override(&MeterApi::RequestSN, [m](unsigned short unit, unsigned short* serial) {
        Write(serial, m->At(unit).serial);
        return 1;
    });
    Override(&MeterApi::GetSoftwareVersion, [m](unsigned short unit, unsigned short* version) {
        Write(version, m->At(unit).version);
        return 1;
    });
    Override(&MeterApi::RequestMode, [m](unsigned short unit, unsigned short* mode) {
        Write(mode, m->At(unit).mode);
        return 1;
    });
    Override(&MeterApi::SetMode, [m](unsigned short unit, unsigned short mode) {
        m->At(unit).mode = mode;
        return 1;
    });
    Override(&MeterApi::SetHexMode, [m](unsigned short unit) {
        m->At(unit).mode |= 0x0002;
        return 1;
    });
    Override(&MeterApi::GetUnitStatus,
             [m](unsigned short unit, int* a, int* b, int* c, int* d, int* e, int* g) {
                 const FakeMeter& meter = m->At(unit);
                 Write(a, meter.status[0]), Write(b, meter.status[1]), Write(c, meter.status[2]);
                 Write(d, meter.status[3]), Write(e, meter.status[4]), Write(g, meter.status[5]);
                 return 1;
             });
    auto dateFields = [m](std::array<uint8_t, 3> FakeMeter::*field) {
        return
            [m, field](unsigned short unit, unsigned char* a, unsigned char* b, unsigned char* c) {
                const std::array<uint8_t, 3>& value = m->At(unit).*field;
                Write(a, value[0]), Write(b, value[1]), Write(c, value[2]);
                return 1;
            };
    };
    Override(&MeterApi::RequestCalDueDate, dateFields(&FakeMeter::calDueDate));
    Override(&MeterApi::RequestOPRCalDueDate, dateFields(&FakeMeter::oprCalDueDate));
    Override(&MeterApi::RequestTimeDate, dateFields(&FakeMeter::date));
    Override(&MeterApi::RequestRTC, dateFields(&FakeMeter::clock));
    Override(&MeterApi::SetRTD,
             [m](unsigned short unit, unsigned char month, unsigned char day, unsigned char year) {
                 m->At(unit).date = {month, day, year};
                 return 1;
             });
    Override(&MeterApi::SetRTC, [m](unsigned short unit, unsigned char hour, unsigned char minute,
                                    unsigned char second) {
        m->At(unit).clock = {hour, minute, second};
        return 1;
    });
    Override(&MeterApi::RequestLGC, [](unsigned short /*unit*/, char* text, int size) {
        if (text != nullptr && size > 0) {
            std::strncpy(text, "LG-3", static_cast<std::size_t>(size));
            text[size - 1] = '\0';
        }
        return 1;
    });
    Override(&MeterApi::RequestNumStoredReadings, [m](unsigned short unit, unsigned short* count) {
        FakeMeter& meter = m->At(unit);
        return AnswerWhenReady(meter, [&] {
            meter.readPosition = 0;
            Write(count, meter.storedCount.value_or(static_cast<uint16_t>(meter.stored.size())));
        });
    });
    Override(&MeterApi::RequestReadingNumber, [m](unsigned short unit, unsigned short* number) {
        FakeMeter& meter = m->At(unit);
        return AnswerWhenReady(
            meter, [&] { Write(number, static_cast<unsigned short>(meter.readPosition)); });
    });
    Override(&MeterApi::RequestStoredReading,
             [m](unsigned short unit, unsigned short* date, unsigned short* time, float* power,
                 unsigned char* /*spare*/, unsigned char* input, unsigned short* serial) {
                 FakeMeter& meter = m->At(unit);
                 return AnswerWhenReady(meter, [&] {
                     if (meter.readPosition < meter.stored.size()) {
                         const FakeStoredReading& r = meter.stored[meter.readPosition];
                         Write(date, r.date), Write(time, r.time), Write(power, r.power);
                         Write(input, r.input), Write(serial, r.serial);
                     }
                 });
             });
    Override(&MeterApi::RequestNextStoredReading, [m](unsigned short unit) {
        FakeMeter& meter = m->At(unit);
        return AnswerWhenReady(meter, [&] { ++meter.readPosition; });
    });
}

}  // namespace varden::testing
