// The power meter of the bench through its driver: its data log and slow answers, its clock,
// its settings, and sleeping and switching off.
#include <array>
#include <cstdio>

#include "bench_fixture.h"

namespace varden::sim::test {
namespace {

struct Stamp {
    int year, month, day, hour, minute, second;
    bool operator==(const Stamp&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", s.year, s.month, s.day,
                  s.hour, s.minute, s.second);
    return out << text;
}

// The date and time words of a stored reading: day, month, year - 2000 in the date; seconds / 2,
// minute, hour in the time.
Stamp Decode(unsigned short date, unsigned short time) {
    return {2000 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F,
            time >> 11,         (time >> 5) & 0x3F, (time & 0x1F) * 2};
}

class PowerMeterTest : public BenchTest {
  protected:
    // Calls a data-log request until it answers, as the panel's download does; counts the
    // "not ready" answers in `waits`.
    template <class Request>
    static bool Await(Request request, int* waits = nullptr) {
        for (int attempt = 0; attempt < 26; ++attempt) {
            if (request() != 0) {
                return true;
            }
            if (waits != nullptr) {
                ++*waits;
            }
        }
        return false;
    }

    struct Download {
        unsigned short count = 0;
        std::vector<Stamp> stamps;
        std::vector<float> watts;
    };

    static Download DownloadLog() {
        Download download;
        EXPECT_TRUE(Await([&] { return meter.RequestNumStoredReadings(0, &download.count); }));
        unsigned short number = 0;
        EXPECT_TRUE(Await([&] { return meter.RequestReadingNumber(0, &number); }));
        for (unsigned short i = 0; i < download.count && download.count != 0xFFFF; ++i) {
            unsigned short date = 0, time = 0, serial = 0;
            float watts = 0.0f;
            unsigned char spare[4] = {}, input = 0;
            EXPECT_TRUE(Await([&] {
                return meter.RequestStoredReading(0, &date, &time, &watts, spare, &input, &serial);
            }));
            download.stamps.push_back(Decode(date, time));
            download.watts.push_back(watts);
            EXPECT_TRUE(Await([&] { return meter.RequestNextStoredReading(0); }));
        }
        return download;
    }
};

TEST_F(PowerMeterTest, StoredReadingsDecodeToTheDatesAndTimesTheyWereGiven) {
    Describe(
        "[meter 0]\n"
        "reading = 2013-03-14 15:17:56, 0.0125, 1\n"
        "reading = 2000-01-01 00:00:00, 0.5\n"
        "reading = 2099-12-31 23:59:58, 0.000125, 2\n");
    ASSERT_EQ(bench_add_stored_reading(0, 2024, 2, 29, 7, 5, 30, 0.02f, 1), 1);
    EXPECT_EQ(bench_add_stored_reading(0, 2023, 2, 29, 7, 5, 30, 0.02f, 1), 0) << "no such day";

    const Download download = DownloadLog();
    ASSERT_EQ(download.count, 4);
    const std::vector<Stamp> given = {{2013, 3, 14, 15, 17, 56},
                                      {2000, 1, 1, 0, 0, 0},
                                      {2099, 12, 31, 23, 59, 58},
                                      {2024, 2, 29, 7, 5, 30}};
    EXPECT_EQ(download.stamps, given);
    EXPECT_EQ(download.watts, (std::vector<float>{0.0125f, 0.5f, 0.000125f, 0.02f}));

    // The words themselves, as a meter of this kind writes them.
    unsigned short date = 0, time = 0;
    ASSERT_TRUE(Await([&] { return meter.RequestNumStoredReadings(0, &date); }));
    ASSERT_TRUE(Await([&] {
        return meter.RequestStoredReading(0, &date, &time, nullptr, nullptr, nullptr, nullptr);
    }));
    EXPECT_EQ(date, 0x1A6E);
    EXPECT_EQ(time, 0x7A3C);
}

TEST_F(PowerMeterTest, DataLogRequestsAnswerNotReadyForAWhileFirst) {
    Describe("[meter 0]\nanswer_delay_calls = 3\nstored_readings = 2\n");
    int waits = 0;
    unsigned short count = 0;
    ASSERT_TRUE(Await([&] { return meter.RequestNumStoredReadings(0, &count); }, &waits));
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(count, 2);

    // A delay in time holds the answer until the bench's clock has moved on.
    Describe("[meter 0]\nanswer_delay_calls = 0\nanswer_delay_ms = 200\n");
    EXPECT_EQ(meter.RequestNumStoredReadings(0, &count), 0);
    bench_advance_clock(0.1);
    EXPECT_EQ(meter.RequestNumStoredReadings(0, &count), 0);
    bench_advance_clock(0.1);
    EXPECT_NE(meter.RequestNumStoredReadings(0, &count), 0);
    EXPECT_EQ(count, 0);
}

TEST_F(PowerMeterTest, ClockSetByTheDriverRunsOnAndStampsNewReadings) {
    ASSERT_NE(meter.SetRTD(0, 3, 14, 13), 0);
    ASSERT_NE(meter.SetRTC(0, 15, 17, 50), 0);
    bench_advance_clock(16.0);
    std::array<unsigned char, 6> fields{};
    meter.RequestTimeDate(0, &fields[0], &fields[1], &fields[2]);
    meter.RequestRTC(0, &fields[3], &fields[4], &fields[5]);
    EXPECT_EQ(fields, (std::array<unsigned char, 6>{3, 14, 13, 15, 18, 6}));

    ASSERT_NE(meter.AddCurrentReadingToDataLog(0), 0);
    const Download download = DownloadLog();
    ASSERT_EQ(download.count, 1);
    EXPECT_EQ(download.stamps[0], (Stamp{2013, 3, 14, 15, 18, 6}));
    EXPECT_GT(download.watts[0], 0.01f) << "the lamp's light at the moment of storing";

    // The panel sends the PC's second plus one: 59 + 1 starts the next minute.
    ASSERT_NE(meter.SetRTC(0, 23, 59, 60), 0);
    meter.RequestRTC(0, &fields[3], &fields[4], &fields[5]);
    EXPECT_EQ(fields[3], 0);
    EXPECT_EQ(fields[4], 0);
    EXPECT_EQ(meter.SetRTD(0, 2, 30, 13), 0) << "no such day";
    EXPECT_EQ(meter.SetRTC(0, 24, 0, 0), 0);
}

TEST_F(PowerMeterTest, SettingsAreKeptAndReadBack) {
    unsigned short mode = 0;
    ASSERT_NE(meter.SetDecMode(0), 0);
    meter.RequestMode(0, &mode);
    EXPECT_EQ(mode & 0x0002, 0);
    ASSERT_NE(meter.SetHexMode(0), 0);
    meter.RequestMode(0, &mode);
    EXPECT_EQ(mode & 0x0002, 0x0002);
    ASSERT_NE(meter.SetMode(0, 0x8009), 0);
    meter.RequestMode(0, &mode);
    EXPECT_EQ(mode, 0x8009);

    ASSERT_NE(meter.SetFiveFreqSetPoints(0, 2, 488), 0);
    ASSERT_NE(meter.SetFiveFreqSetPoints(0, 4, 0), 0);
    EXPECT_EQ(meter.SetFiveFreqSetPoints(0, 5, 500), 0) << "there are five slots";
    std::array<unsigned short, 5> favourites{};
    ASSERT_NE(meter.GetFiveFreqSetPoints(0, &favourites[0], &favourites[1], &favourites[2],
                                         &favourites[3], &favourites[4]),
              0);
    EXPECT_EQ(favourites[2], 488);
    EXPECT_EQ(favourites[4], 0);
    EXPECT_NE(favourites[0], 0) << "a new meter comes with favourites";

    unsigned char contrast = 0;
    ASSERT_NE(meter.SetLCDContrast(0, 12), 0);
    ASSERT_NE(meter.RequestContrast(0, &contrast), 0);
    EXPECT_EQ(contrast, 12);

    // The reference takes the present reading when given none.
    float reference = 0.0f;
    ASSERT_NE(meter.SetCurrentRefSetPoint(0, 0.0f), 0);
    meter.RequestReference(0, &reference);
    EXPECT_NEAR(reference, MeterWatts(), reference * 0.01);
}

TEST_F(PowerMeterTest, SleepingMeterReadsNothingAndSwitchedOffMeterLeavesTheBus) {
    ASSERT_GT(MeterWatts(), 0.01);
    ASSERT_NE(meter.PutRadiometerToSleep(0), 0);
    EXPECT_NE(meter.DeviceActive(0), 0);
    EXPECT_EQ(MeterWatts(), 0.0);
    EXPECT_EQ(meter.SetWaveLength(0, 600), 0) << "no settings while asleep";
    unsigned short count = 0;
    ASSERT_TRUE(Await([&] { return meter.RequestNumStoredReadings(0, &count); }));
    EXPECT_EQ(count, 0xFFFF) << "the data log cannot be read";

    ASSERT_NE(meter.WakeRadiometer(0), 0);
    EXPECT_GT(MeterWatts(), 0.01);

    ASSERT_NE(meter.TurnRadiometerOff(0), 0);
    EXPECT_EQ(meter.GetNumDevicesConnected(), 0);
    EXPECT_EQ(meter.DeviceActive(0), 0);
    ASSERT_EQ(bench_attach(BENCH_METER, 0), 1);
    EXPECT_EQ(meter.GetNumDevicesConnected(), 1);
    EXPECT_GT(MeterWatts(), 0.01);
}

}  // namespace
}  // namespace varden::sim::test
