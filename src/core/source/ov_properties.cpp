#include "core/source/ov_properties.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace varden {

// The record is exchanged with the lamp library byte for byte.
static_assert(sizeof(OvataDeviceInfo) == 272);
static_assert(offsetof(OvataDeviceInfo, description) == 64);
static_assert(offsetof(OvataDeviceInfo, manufacturer) == 128);
static_assert(offsetof(OvataDeviceInfo, manufacturerId) == 160);
static_assert(offsetof(OvataDeviceInfo, deviceName) == 176);
static_assert(offsetof(OvataDeviceInfo, maxPower) == 240);
static_assert(offsetof(OvataDeviceInfo, revision4) == 248);
static_assert(offsetof(OvataDeviceInfo, usbVersion) == 254);
static_assert(offsetof(OvataDeviceInfo, correctPackets) == 264);
static_assert(offsetof(OvataDeviceInfo, errorPackets) == 268);

namespace {

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

}  // namespace

std::string OVProperties::Text() const {
    const OvataDeviceInfo& i = m_info;
    std::string text;
    auto line = [&text](const char* label, const std::string& value) {
        text += label;
        text += value;
        text += "\r\n";
    };
    line("Serial Number: ", FieldText(i.serialNumber));
    line("Device Description: ", FieldText(i.description));
    line("Manufacturer: ", FieldText(i.manufacturer));
    line("Manufacturer ID: ", FieldText(i.manufacturerId));
    line("Device Name: ", FieldText(i.deviceName));
    line("Maximum Power: ", std::to_string(i.maxPower));
    line("Plug and Play: ", std::to_string(i.plugAndPlay));
    line("Self Powered: ", std::to_string(i.selfPowered));
    line("Remote Wake-Up: ", std::to_string(i.remoteWakeup));
    line("Revision 4: ", std::to_string(i.revision4));
    line("ISO In: ", std::to_string(i.isoIn));
    line("ISO Out: ", std::to_string(i.isoOut));
    line("USB Version: ", Hex(i.usbVersion));
    // The packet counters are unsigned 32-bit and are shown as such, also above 2^31.
    line("Correct Packets: ", std::to_string(i.correctPackets));
    line("Error Packets: ", std::to_string(i.errorPackets));
    return text;
}

}  // namespace varden
