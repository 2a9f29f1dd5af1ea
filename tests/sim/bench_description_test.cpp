// The bench description file: the default bench without one, what a description sets, and
// lines that cannot be used.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench_fixture.h"

namespace varden::sim::test {
namespace {

class BenchDescriptionTest : public BenchTest {
  protected:
    void TearDown() override { unsetenv("VARDEN_BENCH_FILE"); }

    static double Get(int family, unsigned short unit, const char* name) {
        double value = -1.0;
        EXPECT_EQ(bench_get(family, unit, name, &value), 1) << name;
        return value;
    }
};

TEST_F(BenchDescriptionTest, WithoutADescriptionALampBurnsCalibratedBesideAMeter) {
    unsetenv("VARDEN_BENCH_FILE");
    ASSERT_EQ(bench_reset(), 0);
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 1);
    EXPECT_EQ(meter.GetNumDevicesConnected(), 1);
    EXPECT_EQ(led.GetNumDevicesConnected(), 0);
    EXPECT_NE(lamp.DeviceActive(0), 0);
    EXPECT_NE(meter.DeviceActive(0), 0);

    int values[6] = {};
    lamp.GetUnitStatus(0, &values[0], &values[1], &values[2], &values[3], &values[4], &values[5]);
    EXPECT_EQ(values[1], 1) << "lamp on";
    EXPECT_EQ(values[2], 0) << "already warm";
    EXPECT_EQ(values[3], 1) << "shutter open";
    unsigned char calibration = 0;
    lamp.GetCalibrationTime(0, &calibration);
    EXPECT_GT(calibration, 12);
}

TEST_F(BenchDescriptionTest, DescriptionChoosesTheUnitsAndTheirStartingState) {
    Describe(
        "# two lamps, one unplugged for now, an LED source and a meter\n"
        "[bench]\n"
        "transmission = 0.5\n"
        "\n"
        "[lamp 2]\n"
        "hours = 3000\n"
        "calibration_hours = 10\n"
        "feedback = yes\n"
        "iris = 30\n"
        "[lamp 4]\n"
        "attached = no\n"
        "[LED 1]\n"
        "hours = 25000\n"
        "temperature = 40\n"
        "[meter 0]\n"
        "wavelength = 633\n"
        "favourites = 405, 0, 633\n"
        "cal_due = 2014-06-30\n"
        "stored_readings = 3\n");
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 1);
    EXPECT_EQ(lamp.DeviceActive(0), 0) << "described lamps replace the default one";
    EXPECT_NE(lamp.DeviceActive(2), 0);
    EXPECT_EQ(lamp.DeviceActive(4), 0);
    ASSERT_EQ(bench_attach(BENCH_LAMP, 4), 1);
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 2);

    unsigned short hours = 0, level = 0;
    unsigned char calibration = 0, sink = 0, board = 0;
    lamp.GetLampHours(2, &hours);
    lamp.GetCalibrationTime(2, &calibration);
    lamp.GetPercentageLevel(2, &level);
    EXPECT_EQ(hours, 3000);
    EXPECT_EQ(calibration, 10);
    EXPECT_EQ(level, 30);
    EXPECT_EQ(Get(BENCH_LAMP, 2, "feedback"), 1.0);
    led.GetLampHours(1, &hours);
    led.ReturnTemperatureReading(1, &sink, &board);
    EXPECT_EQ(hours, 25000);
    EXPECT_EQ(sink, 40);

    unsigned short wavelength = 0;
    std::array<unsigned short, 5> favourites{};
    std::array<unsigned char, 3> due{};
    meter.GetWaveLength(0, &wavelength);
    meter.GetFiveFreqSetPoints(0, &favourites[0], &favourites[1], &favourites[2], &favourites[3],
                               &favourites[4]);
    meter.RequestCalDueDate(0, &due[0], &due[1], &due[2]);
    EXPECT_EQ(wavelength, 633);
    EXPECT_EQ(favourites, (std::array<unsigned short, 5>{405, 0, 633, 0, 0}));
    EXPECT_EQ(due, (std::array<unsigned char, 3>{6, 30, 14}));
    EXPECT_EQ(Get(BENCH_METER, 0, "stored_readings"), 3.0);
}

TEST_F(BenchDescriptionTest, UnusableLinesAreSkippedAndTheRestApplies) {
    const char* description =
        "iris = 20\n"  // outside any section
        "[lamp 0]\n"
        "this line has no value\n"
        "iris = 150\n"  // out of range
        "iris = 40\n"
        "colour = blue\n"  // unknown name
        "[lamp x]\n"       // bad section: it and its line are skipped
        "iris = 60\n"
        "[meter 0]\n"
        "wavelength = abc\n"
        "reading = 2013-02-30 10:00:00, 0.01\n"
        "contrast = 9\n";
    bench_use_simulated_clock(kBenchStart);
    EXPECT_EQ(bench_load(description), 8);
    unsigned short level = 0;
    unsigned char contrast = 0;
    lamp.GetPercentageLevel(0, &level);
    meter.RequestContrast(0, &contrast);
    EXPECT_EQ(level, 40);
    EXPECT_EQ(contrast, 9);
    EXPECT_EQ(Get(BENCH_METER, 0, "stored_readings"), 0.0);

    // A file saved by a Windows editor: byte-order mark and CR LF line ends.
    EXPECT_EQ(bench_load("\xEF\xBB\xBF[lamp 3]\r\niris = 70\r\n"), 0);
    lamp.GetPercentageLevel(3, &level);
    EXPECT_EQ(level, 70);
}

TEST_F(BenchDescriptionTest, FileNamedByTheEnvironmentIsReadOnReset) {
    char path[] = "/tmp/varden-bench-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(path) << "[led 0]\n[meter 1]\nanswer_delay_calls = 0\n";
    setenv("VARDEN_BENCH_FILE", path, 1);
    EXPECT_EQ(bench_reset(), 0);
    EXPECT_EQ(led.GetNumDevicesConnected(), 1);
    EXPECT_NE(meter.DeviceActive(1), 0);
    EXPECT_EQ(meter.DeviceActive(0), 0);
    std::remove(path);

    EXPECT_EQ(bench_reset(), -1) << "an unreadable file leaves the default bench";
    EXPECT_EQ(led.GetNumDevicesConnected(), 0);
    EXPECT_NE(meter.DeviceActive(0), 0);
}

TEST_F(BenchDescriptionTest, SameSeedGivesTheSameNoise) {
    auto readings = [] {
        std::vector<float> values;
        for (int i = 0; i < 5; ++i) {
            float watts = 0.0f;
            meter.GetOutputPower(0, &watts);
            values.push_back(watts);
        }
        return values;
    };
    Describe("[bench]\nseed = 7\n");
    const auto first = readings();
    Describe("[bench]\nseed = 7\n");
    EXPECT_EQ(readings(), first);
    Describe("[bench]\nseed = 8\n");
    EXPECT_NE(readings(), first);
    EXPECT_NE(first[0], first[1]) << "readings are noisy";
}

}  // namespace
}  // namespace varden::sim::test
