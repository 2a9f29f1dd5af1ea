#include "gui/controls/reading_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varden {
namespace {

TEST(ReadingTextTest, MilliwattsShowFourSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {12.5, "12.50 mW"}, {0.0125, "0.0125 mW"}, {1234.4, "1234 mW"}, {9.99996, "10.00 mW"},
        {0.0, "0.000 mW"},  {-0.25, "-0.2500 mW"}, {NAN, "\u2014"},     {INFINITY, "\u2014"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(MilliwattText(value), QString::fromUtf8(text)) << value;
    }
}

TEST(ReadingTextTest, OutputPowerIsScaledByItsFactor) {
    EXPECT_EQ(OutputPowerText(1234, 10000), "1.234mW");
    EXPECT_EQ(OutputPowerText(1234, 1000), "12.3mW");
    EXPECT_EQ(OutputPowerText(12500, 7), "1.25W");
}

}  // namespace
}  // namespace varden
