#include "core/drivers/entry_tables.h"

#include "core/platform/library.h"

namespace varden {

#define VARDEN_BIND_ENTRY(ret, name, params)                                    \
    table.name = reinterpret_cast<decltype(table.name)>(library.Symbol(#name)); \
    allFound = allFound && table.name != nullptr;

bool BindEntries(Library& library, LampApi& table) {
    bool allFound = true;
    LAMP_API_ENTRIES(VARDEN_BIND_ENTRY)
    return allFound;
}

bool BindEntries(Library& library, MeterApi& table) {
    bool allFound = true;
    METER_API_ENTRIES(VARDEN_BIND_ENTRY)
    return allFound;
}

bool BindEntries(Library& library, LedApi& table) {
    bool allFound = true;
    LED_API_ENTRIES(VARDEN_BIND_ENTRY)
    return allFound;
}

}  // namespace varden
