#include "core/source/iris_dialog.h"

#include <gtest/gtest.h>

namespace varden {
namespace {

CIrisDialog Opened(uint8_t hours, uint16_t factor, uint16_t power, uint16_t percentage,
                   bool powerKnown = true) {
    CIrisDialog d;
    d.m_calibrationHours = hours;
    d.m_powerFactor = factor;
    d.m_power = power;
    d.m_percentage = percentage;
    d.m_powerKnown = powerKnown;
    d.OnInitDialog();
    return d;
}

struct OpeningCase {
    const char* name;
    uint8_t hours;
    uint16_t factor;
    uint16_t power;
    bool powerKnown;
    const char* percentageText;
    const char* powerText;
    const char* unit;
    bool percentageReadOnly;
    bool powerReadOnly;
    const char* range;
};

TEST(IrisDialogTest, OpeningShowsTheFieldOfItsMode) {
    const OpeningCase cases[] = {
        {"Factor10000", 9, 10000, 12345, true, "", "12.345", "mW", true, false,
         "Accepted: 0 to 65.535 mW"},
        {"Factor10000Small", 9, 10000, 5, true, "", "0.005", "mW", true, false,
         "Accepted: 0 to 65.535 mW"},
        {"Factor1000", 1, 1000, 1234, true, "", "12.34", "mW", true, false,
         "Accepted: 0 to 655.35 mW"},
        {"Factor100ShowsTwoOfFourDecimals", 1, 100, 12345, true, "", "1.23", "W", true, false,
         "Accepted: 0 to 6.5535 W"},
        {"FactorZero", 1, 0, 65535, true, "", "6.55", "W", true, false, "Accepted: 0 to 6.5535 W"},
        {"NoPowerSupplied", 4, 100, 0, false, "", "", "W", true, true,
         "No output power can be set on this source."},
        {"Percentage", 0, 10000, 12345, true, "42", "", "W", false, true, "Accepted: 0 to 100 %"},
    };
    for (const OpeningCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CIrisDialog d = Opened(c.hours, c.factor, c.power, 42, c.powerKnown);
        EXPECT_EQ(d.percentageText, c.percentageText);
        EXPECT_EQ(d.powerText, c.powerText);
        EXPECT_EQ(d.unitLabel, c.unit);
        EXPECT_EQ(d.percentageReadOnly, c.percentageReadOnly);
        EXPECT_EQ(d.powerReadOnly, c.powerReadOnly);
        EXPECT_EQ(d.rangeText, c.range);
    }
}

struct PowerCase {
    uint16_t factor;
    const char* text;
    int expected;  // -1: refused, m_power keeps its value
};

TEST(IrisDialogTest, PowerEntryRoundsToTheNearestUnitAndRefusesWhatDoesNotFit) {
    constexpr int kRefused = -1;
    const PowerCase cases[] = {
        {10000, "12.3456", 12346},
        {10000, "12.345", 12345},
        {1000, "12.34", 1234},
        {1000, "0.004", 0},
        {1000, "0.006", 1},
        {1000, "0.005", 0},  // just below 0.005 in single precision
        {100, "1.2345", 12345},
        {7, "1.2345", 12345},
        // The 16-bit limit of each scale.
        {10000, "65.535", 65535},
        {10000, "65.5354", 65535},
        {10000, "65.536", kRefused},
        {1000, "655.35", 65535},
        {1000, "655.36", kRefused},
        {100, "6.5535", 65535},
        {100, "6.5536", kRefused},
        {1000, "999.99", kRefused},
        {1000, "1000", kRefused},
        // Parsing: what atof would read.
        {1000, "-1", kRefused},
        {1000, "-0", 0},
        {1000, "abc", 0},
        {1000, "", 0},
        {1000, "  +2.5e1 mW", 2500},
        {1000, "1.5.7", 150},
        {1000, "--1", 0},
        {1000, "nan", kRefused},
        {1000, "inf", kRefused},
        {1000, "1e400", kRefused},
        {1000, "1e30", kRefused},
        {1000, "                    5", 0},  // the 5 lies beyond the 20 characters read
        {1000, "                   5", 500},
    };
    for (const PowerCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " factor " + std::to_string(c.factor));
        CIrisDialog d = Opened(1, c.factor, 4321, 0);
        d.OnKillFocusPower(c.text);
        EXPECT_EQ(d.m_power, c.expected == kRefused ? 4321 : c.expected);
        EXPECT_EQ(d.entryRefused, c.expected == kRefused);
        EXPECT_EQ(d.m_percentage, 0);
    }
}

TEST(IrisDialogTest, PercentageEntryTakesWholeNumbersFrom0To100) {
    constexpr int kRefused = -1;
    const std::pair<const char*, int> cases[] = {
        {"42abc", 42},
        {"abc", 0},
        {"", 0},
        {"100", 100},
        {"0", 0},
        {" \t+7", 7},
        {"12.9", 12},
        {"101", kRefused},
        {"-5", kRefused},
        {"99999999999999999999999", kRefused},  // must not wrap round into range
        {"00000000000000000050", 50},
        {"                    5", 0},  // beyond the 20 characters read
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        CIrisDialog d = Opened(0, 1000, 1234, 77);
        d.OnKillFocusPercentage(text);
        EXPECT_EQ(d.m_percentage, expected == kRefused ? 77 : expected);
        EXPECT_EQ(d.entryRefused, expected == kRefused);
        EXPECT_EQ(d.m_power, 1234);
    }
}

TEST(IrisDialogTest, RefusalIsClearedByTheNextAcceptedEntry) {
    CIrisDialog d = Opened(0, 1000, 0, 10);
    d.OnKillFocusPercentage("150");
    EXPECT_TRUE(d.entryRefused);
    d.OnKillFocusPercentage("20");
    EXPECT_FALSE(d.entryRefused);
    EXPECT_EQ(d.m_percentage, 20);
}

// A read-only field is empty; leaving it must not set the source to 0 % or 0 power.
TEST(IrisDialogTest, ReadOnlyFieldsTakeNothing) {
    CIrisDialog power = Opened(5, 10000, 1234, 60);
    power.OnKillFocusPercentage("");
    EXPECT_EQ(power.m_percentage, 60);

    CIrisDialog percentage = Opened(0, 10000, 1234, 60);
    percentage.OnKillFocusPower("");
    EXPECT_EQ(percentage.m_power, 1234);

    CIrisDialog led = Opened(5, 100, 0, 60, false);
    led.OnKillFocusPower("1.5");
    led.OnKillFocusPercentage("10");
    EXPECT_EQ(led.m_power, 0);
    EXPECT_EQ(led.m_percentage, 60);
}

}  // namespace
}  // namespace varden
