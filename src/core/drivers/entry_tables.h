#pragma once

#include <array>

#include "core/drivers/driver_abi.h"

namespace varden {

class Library;

// One function entry per export, named after the export, in binding order.
#define VARDEN_ENTRY_FIELD(ret, name, params) ret(*name) params = nullptr;
#define VARDEN_ENTRY_NAME(ret, name, params) #name,
#define VARDEN_ENTRY_COUNT(ret, name, params) +1

struct LampApi {
    LAMP_API_ENTRIES(VARDEN_ENTRY_FIELD)
};
struct MeterApi {
    METER_API_ENTRIES(VARDEN_ENTRY_FIELD)
};
struct LedApi {
    LED_API_ENTRIES(VARDEN_ENTRY_FIELD)
};

inline constexpr std::array<const char*, 0 LAMP_API_ENTRIES(VARDEN_ENTRY_COUNT)> kLampExportNames{
    LAMP_API_ENTRIES(VARDEN_ENTRY_NAME)};
inline constexpr std::array<const char*, 0 METER_API_ENTRIES(VARDEN_ENTRY_COUNT)> kMeterExportNames{
    METER_API_ENTRIES(VARDEN_ENTRY_NAME)};
inline constexpr std::array<const char*, 0 LED_API_ENTRIES(VARDEN_ENTRY_COUNT)> kLedExportNames{
    LED_API_ENTRIES(VARDEN_ENTRY_NAME)};

static_assert(kLampExportNames.size() == 48);
static_assert(kMeterExportNames.size() == 71);
static_assert(kLedExportNames.size() == 27);

// Binds every entry of the table by export name, in binding order. Every entry is looked up,
// also after a missing one; the result says whether all were found.
bool BindEntries(Library& library, LampApi& table);
bool BindEntries(Library& library, MeterApi& table);
bool BindEntries(Library& library, LedApi& table);

}  // namespace varden
