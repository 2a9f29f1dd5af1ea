#include "core/source/ov_properties.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varden {
namespace {

TEST(OVPropertiesTest, EmptyRecordGivesFifteenLabelledLines) {
    const OVProperties properties;
    EXPECT_EQ(properties.Text(),
              "Serial Number: \r\nDevice Description: \r\nManufacturer: \r\n"
              "Manufacturer ID: \r\nDevice Name: \r\nMaximum Power: 0\r\nPlug and Play: 0\r\n"
              "Self Powered: 0\r\nRemote Wake-Up: 0\r\nRevision 4: 0\r\nISO In: 0\r\n"
              "ISO Out: 0\r\nUSB Version: 0\r\nCorrect Packets: 0\r\nError Packets: 0\r\n");
}

TEST(OVPropertiesTest, TypicalRecordShowsTextsAndNumbers) {
    OVProperties p;
    std::strcpy(p.m_info.serialNumber, "OV-1234");
    std::strcpy(p.m_info.description, "ovata lamp source");
    std::strcpy(p.m_info.deviceName, std::string(63, 'n').c_str());
    p.m_info.maxPower = 500;
    p.m_info.selfPowered = 1;
    p.m_info.revision4 = 255;
    p.m_info.usbVersion = 0x0200;
    p.m_info.correctPackets = 123456;
    const std::string text = p.Text();
    EXPECT_NE(text.find("Serial Number: OV-1234\r\nDevice Description: ovata lamp source\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Device Name: " + std::string(63, 'n') + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("Maximum Power: 500\r\nPlug and Play: 0\r\nSelf Powered: 1\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Revision 4: 255\r\n"), std::string::npos);
    EXPECT_NE(text.find("USB Version: 200\r\nCorrect Packets: 123456\r\n"), std::string::npos);
}

// A driver that fills every text to the end of its field, without a terminating zero, and
// every number to its maximum: each text ends at its field's end and the text comes out whole.
TEST(OVPropertiesTest, FullRecordWithoutTerminatorsIsShownWhole) {
    OVProperties p;
    std::memset(&p.m_info, 0xFF, sizeof p.m_info);
    std::memset(p.m_info.serialNumber, 'S', sizeof p.m_info.serialNumber);
    std::memset(p.m_info.description, 'D', sizeof p.m_info.description);
    std::memset(p.m_info.manufacturer, 'M', sizeof p.m_info.manufacturer);
    std::memset(p.m_info.manufacturerId, 'I', sizeof p.m_info.manufacturerId);
    std::memset(p.m_info.deviceName, 'N', sizeof p.m_info.deviceName);
    p.m_info.usbVersion = 0xABCD;
    EXPECT_EQ(p.Text(), "Serial Number: " + std::string(64, 'S') + "\r\n" +
                            "Device Description: " + std::string(64, 'D') + "\r\n" +
                            "Manufacturer: " + std::string(32, 'M') + "\r\n" +
                            "Manufacturer ID: " + std::string(16, 'I') + "\r\n" +
                            "Device Name: " + std::string(64, 'N') + "\r\n" +
                            "Maximum Power: 65535\r\nPlug and Play: 65535\r\n"
                            "Self Powered: 65535\r\nRemote Wake-Up: 65535\r\nRevision 4: 255\r\n"
                            "ISO In: 255\r\nISO Out: 255\r\nUSB Version: ABCD\r\n"
                            "Correct Packets: 4294967295\r\nError Packets: 4294967295\r\n");
}

}  // namespace
}  // namespace varden
