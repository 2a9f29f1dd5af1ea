// Units plugged in and out, and units that stop answering, as the drivers report them.
#include <atomic>
#include <thread>

#include "bench_fixture.h"

namespace varden::sim::test {
namespace {

class HotPlugTest : public BenchTest {
  protected:
    struct Family {
        const char* name;
        int family;
        int (*count)();
        int (*active)(unsigned short);
    };
    static std::vector<Family> Families() {
        return {{"lamp", BENCH_LAMP, lamp.GetNumDevicesConnected, lamp.DeviceActive},
                {"meter", BENCH_METER, meter.GetNumDevicesConnected, meter.DeviceActive},
                {"led", BENCH_LED, led.GetNumDevicesConnected, led.DeviceActive}};
    }
};

TEST_F(HotPlugTest, AttachingAndDetachingChangesTheCountAndDeviceActive) {
    for (const Family& f : Families()) {
        SCOPED_TRACE(f.name);
        Describe("[lamp 0]\n[meter 0]\n");
        const int before = f.count();
        EXPECT_EQ(f.active(5), 0);

        ASSERT_EQ(bench_attach(f.family, 5), 1);
        EXPECT_EQ(f.count(), before + 1);
        EXPECT_NE(f.active(5), 0);

        ASSERT_EQ(bench_detach(f.family, 5), 1);
        EXPECT_EQ(f.count(), before);
        EXPECT_EQ(f.active(5), 0);
    }
}

TEST_F(HotPlugTest, UnitThatStopsAnsweringStaysCountedButAnswersNothing) {
    ASSERT_EQ(bench_set_answering(BENCH_LAMP, 0, 0), 1);
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 1);
    EXPECT_EQ(lamp.DeviceActive(0), 0);
    unsigned short level = 0xBEEF;
    EXPECT_EQ(lamp.GetPercentageLevel(0, &level), 0);
    EXPECT_EQ(level, 0xBEEF) << "nothing written";
    EXPECT_EQ(lamp.GetMultiplicationFactor(0), 0);
    EXPECT_EQ(lamp.SetPercentageLevel(0, 80), 0);

    ASSERT_EQ(bench_set_answering(BENCH_LAMP, 0, 1), 1);
    EXPECT_NE(lamp.GetPercentageLevel(0, &level), 0);
    EXPECT_EQ(level, 50) << "the refused command changed nothing";

    OvataDeviceInfo info{};
    lamp.GetInformation(0, &info);
    EXPECT_GE(info.errorPackets, 4u);
}

TEST_F(HotPlugTest, UnitPluggedBackInKeepsItsStateButNotItsConnection) {
    ASSERT_NE(lamp.SetPercentageLevel(0, 70), 0);
    ASSERT_NE(lamp.SendConnect(0), 0);
    ASSERT_NE(lamp.Identify(0), 0);
    bench_detach(BENCH_LAMP, 0);
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 0);
    bench_attach(BENCH_LAMP, 0);

    unsigned short level = 0;
    lamp.GetPercentageLevel(0, &level);
    EXPECT_EQ(level, 70);
    int feedback = 0, remote = -1, guide = 0, identified = -1;
    lamp.GetUnitStatusext(0, &feedback, &remote, &guide, &identified);
    EXPECT_EQ(remote, 0);
    EXPECT_EQ(identified, 0);
}

// A demonstration may plug units in and out from its own thread while the panel polls.
TEST_F(HotPlugTest, BenchCanBeChangedFromASecondThreadWhileDriversAreCalled) {
    std::atomic<bool> done{false};
    std::thread plugger([&] {
        for (int round = 0; round < 200; ++round) {
            for (unsigned short unit = 0; unit < 20; ++unit) {
                bench_attach(BENCH_LED, unit);
                bench_set(BENCH_LED, unit, "iris", "80");
            }
            for (unsigned short unit = 0; unit < 20; ++unit) {
                bench_detach(BENCH_LED, unit);
            }
        }
        done = true;
    });
    int polls = 0;
    while (!done || polls < 100) {
        float watts = 0.0f;
        meter.GetOutputPower(0, &watts);
        EXPECT_LE(led.GetNumDevicesConnected(), 20);
        led.DeviceActive(static_cast<unsigned short>(polls % 20));
        ++polls;
    }
    plugger.join();
    EXPECT_EQ(led.GetNumDevicesConnected(), 0);
}

}  // namespace
}  // namespace varden::sim::test
