// The light sources of the bench as the panel sees them through their drivers, and the light
// the power meter measures from them.
#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

#include "bench_fixture.h"

namespace varden::sim::test {
namespace {

class LightSourceTest : public BenchTest {
  protected:
    // The lamp's raw output, averaged to calm its noise.
    static double LampRaw(int readings = 8) {
        double sum = 0.0;
        for (int i = 0; i < readings; ++i) {
            unsigned short raw = 0;
            EXPECT_NE(lamp.GetOutputPower(0, &raw), 0);
            sum += raw;
        }
        return sum / readings;
    }

    static unsigned short Monitor(unsigned short count = 650) {
        unsigned short reading = 0;
        EXPECT_NE(lamp.ReturnADReading(0, &reading, count), 0);
        return reading;
    }

    static double Spread(const std::vector<double>& values) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        const double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
        return (*high - *low) / mean;
    }
};

TEST_F(LightSourceTest, MeterReadingFollowsTheIrisAndMatchesTheLampsOwnPower) {
    // Set to the lamp's colour, the meter reads what the lamp emits times the transmission.
    ASSERT_NE(meter.SetWaveLength(0, 560), 0);
    ASSERT_NE(lamp.SetPercentageLevel(0, 100), 0);
    const double full = MeterWatts();
    EXPECT_NEAR(full, LampRaw() / 1000.0 / 1000.0 * 0.8, full * 0.01);
    EXPECT_GT(full, 0.02);  // tens of milliwatts, as the status bar shows

    for (unsigned short level : {0, 10, 25, 50, 75}) {
        SCOPED_TRACE(level);
        ASSERT_NE(lamp.SetPercentageLevel(0, level), 0);
        unsigned short percent = 0;
        lamp.GetPercentageLevel(0, &percent);
        EXPECT_EQ(percent, level);
        EXPECT_NEAR(MeterWatts(), full * level / 100.0, full * 0.01);
    }

    ASSERT_EQ(bench_configure("transmission", "0.4"), 1);
    ASSERT_NE(lamp.SetPercentageLevel(0, 100), 0);
    EXPECT_NEAR(MeterWatts(), full / 2.0, full * 0.01);
}

TEST_F(LightSourceTest, MeterReadsNoLightWhileTheLightIsBlockedAndTheSameAfter) {
    struct Blocking {
        const char* what;
        std::function<void()> block;
        std::function<void()> restore;
    };
    const Blocking cases[] = {
        {"shutter", [] { lamp.CloseShutter(0); }, [] { lamp.OpenShutter(0); }},
        {"lamp", [] { lamp.TurnLampOff(0); },
         [] {
             lamp.TurnLampOn(0);
             bench_advance_clock(600.0);
         }},
        {"light guide", [] { bench_set(BENCH_LAMP, 0, "light_guide", "no"); },
         [] { bench_set(BENCH_LAMP, 0, "light_guide", "yes"); }},
        {"unplugged", [] { bench_detach(BENCH_LAMP, 0); }, [] { bench_attach(BENCH_LAMP, 0); }},
    };
    // Under feedback the output stays put while time passes.
    ASSERT_NE(lamp.TurnCLFOn(0), 0);
    const double before = MeterWatts();
    for (const Blocking& blocking : cases) {
        SCOPED_TRACE(blocking.what);
        blocking.block();
        EXPECT_LT(MeterWatts(), 1e-6);
        blocking.restore();
        EXPECT_NEAR(MeterWatts(), before, before * 0.005);
    }
}

TEST_F(LightSourceTest, MeterSetToAnotherWavelengthReadsByItsSensorsResponse) {
    ASSERT_NE(meter.SetWaveLength(0, 560), 0);
    const double atLampColour = MeterWatts();
    ASSERT_NE(meter.SetWaveLength(0, 900), 0);
    const double atNearInfrared = MeterWatts();
    // A silicon sensor is more sensitive at 900 nm, so green light corrected for 900 reads low.
    EXPECT_LT(atNearInfrared, atLampColour * 0.8);
    EXPECT_GT(atNearInfrared, atLampColour * 0.3);
    EXPECT_EQ(meter.SetWaveLength(0, 50), 0) << "outside the sensor's range";
    unsigned short wavelength = 0;
    meter.GetWaveLength(0, &wavelength);
    EXPECT_EQ(wavelength, 900);
}

TEST_F(LightSourceTest, FeedbackHoldsTheOutputWhileWithoutItTheLampDrifts) {
    for (bool feedback : {true, false}) {
        SCOPED_TRACE(feedback ? "feedback" : "no feedback");
        Describe("");
        ASSERT_NE(feedback ? lamp.TurnCLFOn(0) : lamp.TurnCLFOff(0), 0);
        int status[4] = {};
        lamp.GetUnitStatusext(0, &status[0], &status[1], &status[2], &status[3]);
        EXPECT_EQ(status[0], feedback ? 1 : 0);

        std::vector<double> meterReadings;
        std::vector<double> monitorReadings;
        for (int minute = 0; minute <= 20; ++minute) {
            meterReadings.push_back(MeterWatts(0, 4));
            monitorReadings.push_back(Monitor());
            bench_advance_clock(60.0);
        }
        if (feedback) {
            EXPECT_LT(Spread(meterReadings), 0.005);
            EXPECT_LT(Spread(monitorReadings), 0.005);
        } else {
            EXPECT_GT(Spread(meterReadings), 0.01);
            EXPECT_GT(Spread(monitorReadings), 0.01);
        }
    }
}

TEST_F(LightSourceTest, MonitorReadingIsProportionalToTheOutput) {
    ASSERT_NE(lamp.TurnCLFOn(0), 0);
    std::vector<double> countsPerRaw;
    for (unsigned short level : {20, 40, 80}) {
        ASSERT_NE(lamp.SetPercentageLevel(0, level), 0);
        countsPerRaw.push_back(Monitor() / LampRaw());
    }
    EXPECT_LT(Spread(countsPerRaw), 0.02);
    EXPECT_GT(Monitor(), 30000) << "the 80 % reading uses much of the 16-bit range";

    lamp.TurnLampOff(0);
    EXPECT_LT(Monitor(), 200) << "only the dark offset is left";
}

TEST_F(LightSourceTest, LampWarmsUpOverTheFirstMinutes) {
    Describe("[lamp 0]\nlamp_on = no\ntemperature = 24\nfeedback = no\n");
    ASSERT_NE(lamp.TurnLampOn(0), 0);
    auto status3 = [] {
        int values[6] = {};
        lamp.GetUnitStatus(0, &values[0], &values[1], &values[2], &values[3], &values[4],
                           &values[5]);
        return values[2];
    };
    EXPECT_EQ(status3(), 1) << "warming up";
    std::vector<double> output;
    std::vector<int> temperature;
    for (double at : {0.0, 30.0, 60.0, 120.0, 600.0}) {
        bench_advance_clock(at - (bench_now() - kBenchStart));
        output.push_back(LampRaw());
        unsigned char celsius = 0;
        lamp.ReturnTemperatureReading(0, &celsius);
        temperature.push_back(celsius);
    }
    EXPECT_LT(output[0], 0.3 * output.back());
    EXPECT_LT(output[1], output[2]);
    EXPECT_LT(output[2], output[3]);
    EXPECT_NEAR(output.back(), 25000.0, 25000.0 * 0.04) << "50 % of 50 mW, give or take drift";
    EXPECT_TRUE(std::is_sorted(temperature.begin(), temperature.end()));
    EXPECT_LE(temperature.front(), 25);
    EXPECT_GT(temperature.back(), 70);
    EXPECT_LE(temperature.back(), 95) << "a working lamp stays below the warning level";
    EXPECT_EQ(status3(), 0);
}

TEST_F(LightSourceTest, HoursAdvanceAndCalibrationCountsDownOnlyWhileTheLampBurns) {
    auto hours = [] {
        unsigned short value = 0;
        lamp.GetLampHours(0, &value);
        return value;
    };
    auto calibration = [] {
        unsigned char value = 0;
        lamp.GetCalibrationTime(0, &value);
        return value;
    };
    const unsigned short startHours = hours();
    const unsigned char startCalibration = calibration();
    ASSERT_GT(startCalibration, 12) << "the default lamp is calibrated";

    bench_advance_clock(2 * 3600.0);
    EXPECT_EQ(hours(), startHours + 2);
    EXPECT_EQ(calibration(), startCalibration - 2);

    lamp.TurnLampOff(0);
    bench_advance_clock(3 * 3600.0);
    EXPECT_EQ(hours(), startHours + 2);
    EXPECT_EQ(calibration(), startCalibration - 2);

    EXPECT_EQ(lamp.CalibrateIntensityMonitor(0), 0) << "no light to calibrate with";
    ASSERT_NE(lamp.ClearCalibration(0), 0);
    EXPECT_EQ(calibration(), 0);
    lamp.TurnLampOn(0);
    ASSERT_NE(lamp.CalibrateIntensityMonitor(0), 0);
    EXPECT_EQ(calibration(), 200);
}

TEST_F(LightSourceTest, OutputPowerIsSetInRawUnitsOfTheMultiplicationFactor) {
    ASSERT_EQ(lamp.GetMultiplicationFactor(0), 10000);
    ASSERT_NE(lamp.TurnCLFOn(0), 0);
    ASSERT_NE(lamp.SetOutputPower(0, 12345), 0);  // 12.345 mW
    EXPECT_NEAR(LampRaw(), 12345.0, 12345.0 * 0.005);
    unsigned short percent = 0;
    lamp.GetPercentageLevel(0, &percent);
    EXPECT_EQ(percent, 25);  // 12.345 of 50 mW

    // A lamp reporting factor 1000 counts hundredths of a milliwatt.
    ASSERT_EQ(bench_set(BENCH_LAMP, 0, "power_factor", "1000"), 1);
    EXPECT_EQ(lamp.GetMultiplicationFactor(0), 1000);
    EXPECT_NEAR(LampRaw(), 1234.5, 1234.5 * 0.005);
}

TEST_F(LightSourceTest, FrontPanelLockNeedsRemoteControlAndIsReleasedWithIt) {
    auto status = [] {
        int locked = -1, ignored = 0, feedback = 0, remote = -1, guide = 0, identified = 0;
        lamp.GetUnitStatus(0, &locked, &ignored, &ignored, &ignored, &ignored, &ignored);
        lamp.GetUnitStatusext(0, &feedback, &remote, &guide, &identified);
        return std::pair{locked, remote};
    };
    EXPECT_EQ(lamp.LockFrontPanel(0), 0);
    EXPECT_EQ(status(), std::pair(0, 0));

    ASSERT_NE(lamp.SendConnect(0), 0);
    ASSERT_NE(lamp.EnablePCShutterControl(0), 0);
    ASSERT_NE(lamp.LockFrontPanel(0), 0);
    EXPECT_EQ(status(), std::pair(1, 1));

    lamp.UnlockFrontPanel(0);
    lamp.DisableShutterControl(0);
    lamp.SendDisConnect(0);
    EXPECT_EQ(status(), std::pair(0, 0));
}

TEST_F(LightSourceTest, AlarmTripsTheLampUntilCleared) {
    auto status = [] {
        int values[6] = {};
        lamp.GetUnitStatus(0, &values[0], &values[1], &values[2], &values[3], &values[4],
                           &values[5]);
        return std::vector<int>{values[1], values[4], values[5]};  // lamp on, supply ok, alarm
    };
    EXPECT_EQ(status(), (std::vector<int>{1, 1, 0}));
    ASSERT_EQ(bench_set(BENCH_LAMP, 0, "alarm", "yes"), 1);
    EXPECT_EQ(status(), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(lamp.TurnLampOn(0), 0);
    ASSERT_NE(lamp.ClearAlarm(0), 0);
    EXPECT_EQ(status(), (std::vector<int>{0, 1, 0}));
    ASSERT_NE(lamp.TurnLampOn(0), 0);
    EXPECT_EQ(status(), (std::vector<int>{1, 1, 0}));
}

TEST_F(LightSourceTest, UnitAsksToBeIdentifiedAfterPluggingIn) {
    auto identified = [] {
        int feedback = 0, remote = 0, guide = 0, value = -1;
        lamp.GetUnitStatusext(0, &feedback, &remote, &guide, &value);
        return value;
    };
    EXPECT_EQ(identified(), 0);
    ASSERT_NE(lamp.Identify(0), 0);
    EXPECT_EQ(identified(), 1);
    bench_detach(BENCH_LAMP, 0);
    bench_attach(BENCH_LAMP, 0);
    EXPECT_EQ(identified(), 0);
    ASSERT_NE(lamp.SendIdentify(0), 0);
    EXPECT_EQ(identified(), 1);
}

TEST_F(LightSourceTest, DeviceInformationRecordHoldsTerminatedTextsAndUsbFacts) {
    static_assert(sizeof(OvataDeviceInfo) == 272);
    OvataDeviceInfo info;
    std::memset(&info, 0x7F, sizeof info);
    ASSERT_NE(lamp.GetInformation(0, &info), 0);
    for (auto [field, size] : {std::pair<const char*, std::size_t>{info.serialNumber, 64},
                               {info.description, 64},
                               {info.manufacturer, 32},
                               {info.manufacturerId, 16},
                               {info.deviceName, 64}}) {
        const std::size_t length = strnlen(field, size);
        EXPECT_LT(length, size);
        EXPECT_GT(length, 0u);
    }
    EXPECT_STREQ(info.manufacturer, "Orvane");
    EXPECT_EQ(info.usbVersion, 0x0200);
    EXPECT_EQ(info.reserved2[0], 0);
    EXPECT_GT(info.correctPackets, 0u) << "counts the calls the unit answered";
}

TEST_F(LightSourceTest, LedSourceHasTwoTemperaturesLedHoursAndLightsTheMeter) {
    Describe("[led 3]\nhours = 25000\niris = 10\n");
    ASSERT_NE(led.DeviceActive(3), 0);
    unsigned short hours = 0;
    led.GetLampHours(3, &hours);
    EXPECT_EQ(hours, 25000);

    lamp.CloseShutter(0);  // only the LED's light reaches the meter
    const double dim = MeterWatts();
    unsigned char coolSink = 0, coolBoard = 0;
    led.ReturnTemperatureReading(3, &coolSink, &coolBoard);

    ASSERT_NE(led.SetPercentageLevel(3, 100), 0);
    EXPECT_NEAR(MeterWatts(), dim * 10.0, dim * 0.2);
    bench_advance_clock(900.0);
    unsigned char warmSink = 0, warmBoard = 0;
    led.ReturnTemperatureReading(3, &warmSink, &warmBoard);
    EXPECT_GT(warmSink, coolSink + 10);
    EXPECT_GT(warmBoard, coolBoard + 10);
    EXPECT_LE(std::max(warmSink, warmBoard), 55) << "a working LED stays below the warning level";

    ASSERT_NE(led.CloseShutter(3), 0);
    EXPECT_LT(MeterWatts(), 1e-6);
}

}  // namespace
}  // namespace varden::sim::test
