#include "core/export/fixed_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace varden {
namespace {

std::string Fixed(double value, int decimals) {
    char text[kMaxFixedLength];
    return std::string(text, WriteFixed(text, value, decimals));
}

std::string Printf(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

TEST(WriteFixedTest, WritesWhatPrintfWrites) {
    const double edges[] = {0.0,
                            -0.0,
                            0.005,
                            0.015,
                            0.125,
                            0.375,
                            -0.004,
                            -0.005,
                            2.675,
                            1.005,
                            9.995,
                            99.995,
                            0.5,
                            1.5,
                            2.5,
                            -2.5,
                            1e-9,
                            0.0625,
                            1e7,
                            -1e7,
                            1e300,
                            6.9e9 / 60,
                            71582788.25,
                            std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double value : edges) {
        for (int decimals : {0, 2, 3}) {
            EXPECT_EQ(Fixed(value, decimals), Printf(value, decimals)) << value;
        }
    }
    // Deviations, minutes and powers as recordings and meters produce them.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-2e7, 2e7);
    std::uniform_real_distribution<double> narrow(-20.0, 20.0);
    for (int i = 0; i < 50000; ++i) {
        const double samples[] = {wide(random), narrow(random),
                                  static_cast<double>(random() % 4294967296u) / 60.0,
                                  std::round(narrow(random) * 1000.0) / 1000.0 + 0.0005};
        for (double value : samples) {
            for (int decimals : {2, 3}) {
                ASSERT_EQ(Fixed(value, decimals), Printf(value, decimals)) << value;
            }
        }
    }
}

TEST(WriteUnitsTest, PlacesTheDecimalPointInWholeUnits) {
    struct Case {
        bool negative;
        uint64_t units;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{false, 17, 2, "0.17"},
                          {true, 5, 2, "-0.05"},
                          {false, 0, 0, "0"},
                          {false, 1234567, 3, "1234.567"},
                          {false, 7158278825ull, 2, "71582788.25"}};
    for (const Case& c : cases) {
        char text[kMaxFixedLength];
        EXPECT_EQ(std::string(text, WriteUnits(text, c.negative, c.units, c.decimals)), c.text);
    }
}

}  // namespace
}  // namespace varden
