#pragma once

#include <any>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/drivers/entry_tables.h"
#include "support/call_log.h"

namespace varden {
class CVardenControlPanelDlg;
}

namespace varden::testing {

enum class Family { Lamp, Meter, Led };

// One attached lamp or LED source with the values its driver hands out.
struct FakeSource {
    int active = 1;
    // GetUnitStatus: locked, lamp on, (unused), shutter open, status 5, status 6.
    std::array<int, 6> status{0, 1, 0, 0, 1, 0};
    // GetUnitStatusext: feedback on, (unused), light guide in, identified.
    std::array<int, 4> statusExt{0, 0, 1, 1};
    uint16_t percent = 0;
    uint16_t outputPower = 0;
    int factor = 10000;
    uint8_t calibrationHours = 0;
    uint16_t hours = 0;
    uint8_t temperature = 0;
    uint8_t temperature2 = 0;
    uint16_t adReading = 1000;
    OvataDeviceInfo info{};
};

// One reading of the meter's data log.
struct FakeStoredReading {
    uint16_t date = 0;
    uint16_t time = 0;
    float power = 0.0f;
    uint8_t input = 0;
    uint16_t serial = 0;
};

// One attached power meter.
struct FakeMeter {
    int active = 1;
    float power = 0.0f;
    float reference = 0.0f;
    uint16_t wavelength = 0;
    std::array<uint16_t, 5> favourites{};
    int favouritesResult = 1;
    uint8_t contrast = 0;
    int contrastResult = 1;
    uint16_t serial = 0;
    uint16_t version = 0;
    uint16_t mode = 0x0002;
    std::array<int, 6> status{};
    std::array<uint8_t, 3> calDueDate{};
    std::array<uint8_t, 3> oprCalDueDate{};
    std::array<uint8_t, 3> date{};
    std::array<uint8_t, 3> clock{};
    std::vector<FakeStoredReading> stored;
    // Count the meter reports instead of the size of `stored` (0xFFFF = abort).
    std::optional<uint16_t> storedCount;
    // Each data-log request answers "not ready" this many times before it answers.
    int notReadyAnswers = 0;
    // Internal: the stored-reading read position and the "not ready" answers still to give.
    std::size_t readPosition = 0;
    int notReadyLeft = -1;
};

template <typename Unit>
struct FakeFamily {
    // What GetNumDevicesConnected answers.
    int deviceCount = 0;
    std::map<uint16_t, Unit> units;

    // Attaches a unit and counts it.
    Unit& Attach(uint16_t unit) {
        ++deviceCount;
        return units[unit];
    }
    // Removes a unit and uncounts it.
    void Detach(uint16_t unit) {
        if (units.erase(unit) > 0) {
            --deviceCount;
        }
    }
    bool Active(uint16_t unit) const {
        auto found = units.find(unit);
        return found != units.end() && found->second.active != 0;
    }
    Unit& operator[](uint16_t unit) { return units[unit]; }
    // The unit's state for a driver call; a unit that is not attached answers from a scratch
    // unit, so a call never attaches anything.
    Unit& At(uint16_t unit) {
        auto found = units.find(unit);
        if (found != units.end()) {
            return found->second;
        }
        scratch = Unit{};
        return scratch;
    }
    Unit scratch;
};

// In-process driver tables whose entries log every call to one CallLog ("lamp.OpenShutter(0)",
// value arguments only) and answer from scripted per-unit state. Any entry can be overridden
// with a handler of its own signature. One instance is current at a time: the entries are
// plain C function pointers and reach it through a static pointer.
class FakeInstruments {
  public:
    explicit FakeInstruments(CallLog& log);
    ~FakeInstruments();
    FakeInstruments(const FakeInstruments&) = delete;
    FakeInstruments& operator=(const FakeInstruments&) = delete;

    static FakeInstruments& Current();

    FakeFamily<FakeSource> lamp;
    FakeFamily<FakeMeter> meter;
    FakeFamily<FakeSource> led;
    // Calls to these exports are answered but not logged (e.g. {"lamp.UpdateData"}).
    std::set<std::string> quiet;

    LampApi LampTable() const;
    MeterApi MeterTable() const;
    LedApi LedTable() const;
    // The address of a family's entry, as a library would export it; null for unknown names.
    void* Export(Family family, std::string_view name) const;
    // Fills the controller's three tables and marks the libraries bound, as a successful
    // start-up would, without running the binding.
    void InstallInto(CVardenControlPanelDlg& dlg) const;

    // Replaces the behaviour of one entry: Override(&LampApi::GetLampHours,
    // [](unsigned short unit, unsigned short* hours) { *hours = 7; return 1; }).
    // The call is still logged.
    template <typename Api, typename R, typename... A, typename Handler>
    void Override(R (*Api::*entry)(A...), Handler handler);

    // Used by the entry thunks.
    template <typename R, typename... A>
    R Invoke(Family family, std::size_t index, A... args);

  private:
    using Key = std::pair<int, std::size_t>;
    template <typename Api, typename R, typename... A>
    static std::size_t IndexOf(R (*Api::*entry)(A...));
    template <typename Api>
    static constexpr Family FamilyOf();
    void InstallDefaults();
    static std::string_view EntryName(Family family, std::size_t index);

    CallLog& log_;
    std::map<Key, std::any> handlers_;
    static FakeInstruments* current_;
};

// ---- template implementation ----

namespace detail {

template <typename T>
std::string FormatValue(const T& value) {
    if constexpr (std::is_pointer_v<T>) {
        return {};
    } else {
        return FormatArgument(value);
    }
}

template <typename... A>
std::string FormatCall(std::string_view prefix, std::string_view name, const A&... args) {
    std::string text(prefix);
    text += '.';
    text += name;
    text += '(';
    bool first = true;
    auto add = [&](const auto& value) {
        if constexpr (!std::is_pointer_v<std::decay_t<decltype(value)>>) {
            if (!first) {
                text += ',';
            }
            text += FormatValue(value);
            first = false;
        }
    };
    (add(args), ...);
    (void)add;
    text += ')';
    return text;
}

}  // namespace detail

template <typename Api>
constexpr Family FakeInstruments::FamilyOf() {
    if constexpr (std::is_same_v<Api, LampApi>) {
        return Family::Lamp;
    } else if constexpr (std::is_same_v<Api, MeterApi>) {
        return Family::Meter;
    } else {
        return Family::Led;
    }
}

template <typename Api, typename R, typename... A>
std::size_t FakeInstruments::IndexOf(R (*Api::*entry)(A...)) {
    std::size_t index = 0;
    std::size_t found = static_cast<std::size_t>(-1);
#define VARDEN_FAKE_INDEX_OF(ret, name, params)                            \
    if constexpr (std::is_same_v<decltype(&Api::name), decltype(entry)>) { \
        if (&Api::name == entry) {                                         \
            found = index;                                                 \
        }                                                                  \
    }                                                                      \
    ++index;
    if constexpr (std::is_same_v<Api, LampApi>) {
        LAMP_API_ENTRIES(VARDEN_FAKE_INDEX_OF)
    } else if constexpr (std::is_same_v<Api, MeterApi>) {
        METER_API_ENTRIES(VARDEN_FAKE_INDEX_OF)
    } else {
        LED_API_ENTRIES(VARDEN_FAKE_INDEX_OF)
    }
#undef VARDEN_FAKE_INDEX_OF
    return found;
}

template <typename Api, typename R, typename... A, typename Handler>
void FakeInstruments::Override(R (*Api::*entry)(A...), Handler handler) {
    handlers_[Key{static_cast<int>(FamilyOf<Api>()), IndexOf(entry)}] =
        std::function<R(A...)>(std::move(handler));
}

template <typename R, typename... A>
R FakeInstruments::Invoke(Family family, std::size_t index, A... args) {
    static constexpr std::string_view kPrefixes[] = {"lamp", "meter", "led"};
    std::string entry =
        detail::FormatCall(kPrefixes[static_cast<int>(family)], EntryName(family, index), args...);
    const std::string name = entry.substr(0, entry.find('('));
    if (quiet.count(name) == 0) {
        log_.Add(entry);
    }
    auto found = handlers_.find(Key{static_cast<int>(family), index});
    if (found != handlers_.end()) {
        if (auto* handler = std::any_cast<std::function<R(A...)>>(&found->second)) {
            return (*handler)(args...);
        }
    }
    return R{};
}

}  // namespace varden::testing
