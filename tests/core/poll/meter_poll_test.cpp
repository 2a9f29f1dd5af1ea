#include <gtest/gtest.h>

#include "poll_fixture.h"

namespace varden::testing {
namespace {

// A connected meter, after the tick that connected it and read page 0 once.
class MeterPollTest : public PollFixture {
  protected:
    void SetUp() override {
        PollFixture::SetUp();
        FakeMeter& meter = fake.meter.Attach(0);
        meter.power = 0.0125f;
        meter.reference = 0.002f;
        meter.wavelength = 488;
        meter.favourites = {405, 488, 532, 0, 0};
        meter.contrast = 7;
        meter.serial = 4321;
        meter.version = 0x0120;
        meter.status = {0x1FF, 2, 3, 4, 5, 6};
        meter.calDueDate = {12, 31, 14};
        meter.date = {3, 14, 13};
        meter.clock = {14, 5, 9};
        meter.oprCalDueDate = {6, 30, 15};
        Ticks(1);
    }
    FakeMeter& Meter() { return fake.meter[0]; }
    // The meter traffic of one tick, past the refresh and the presence check.
    Log MeterTick() {
        return TickWithout({"lamp.", "led.", "meter.UpdateData", "meter.GetNumDevicesConnected",
                            "meter.DeviceActive"});
    }
    // Ticks at which a page is read, counted from now.
    std::vector<int> ReadTicks(int ticks) {
        std::vector<int> reads;
        for (int tick = 1; tick <= ticks; ++tick) {
            if (!MeterTick().empty()) {
                reads.push_back(tick);
            }
        }
        return reads;
    }
};

TEST_F(MeterPollTest, PageZeroShowsReadingsInMilliwattsAndTheFavouritesOncePerConnection) {
    dlg.meterCountdown = 0;
    const Log expected{
        "meter.GetOutputPower(0)", "tab.ShowPower(12.5)",    "meter.RequestReference(0)",
        "tab.ShowReference(2)",    "meter.GetWaveLength(0)", "tab.ShowWavelength(488)",
    };
    EXPECT_EQ(Lines(MeterTick()), Lines(expected));  // the favourites came with the first read
    EXPECT_EQ(dlg.meterCountdown, 8);
    EXPECT_EQ(dlg.favouriteWavelengths, (std::array<uint16_t, 5>{405, 488, 532, 0, 0}));
}

TEST_F(MeterPollTest, AFailedFavouritesFetchIsRepeatedAtTheNextRead) {
    Meter().favouritesResult = 0;
    dlg.favouritesKnown = false;
    dlg.meterCountdown = 0;
    EXPECT_EQ(MeterTick().back(), "tab.ShowFavouriteWavelengths(405,488,532,0,0)");
    Meter().favouritesResult = 1;
    dlg.meterCountdown = 0;
    EXPECT_EQ(MeterTick().back(), "tab.ShowFavouriteWavelengths(405,488,532,0,0)");
    dlg.meterCountdown = 0;
    EXPECT_EQ(MeterTick().back(), "tab.ShowWavelength(488)");
}

TEST_F(MeterPollTest, PageOneShowsTheSettingsAndTheContrastOnce) {
    dlg.selectedPage = 1;
    dlg.meterCountdown = 0;
    Meter().mode = 0x0002;
    EXPECT_EQ(Lines(MeterTick()), Lines({
                                      "meter.RequestContrast(0)",
                                      "tab.ShowContrast(7)",
                                      "meter.RequestSN(0)",
                                      "tab.ShowSerialNumber(4321)",
                                      "meter.RequestMode(0)",
                                      "tab.ShowModeFlag0(0)",
                                      "tab.ShowModeFlag15(1)",
                                      "tab.ShowModeFlag3(1)",
                                      "tab.ShowModeFlag4(1)",
                                      "tab.ShowModeFlag8(0)",
                                      "tab.ShowModeFlag9(0)",
                                      "tab.ShowModeFlag10(0)",
                                      "tab.ShowModeFlag12(0)",
                                      "meter.GetUnitStatus(0)",
                                      "tab.ShowMeterStatus1(255)",
                                      "tab.ShowMeterStatus2(2)",
                                      "meter.GetSoftwareVersion(0)",
                                      "tab.ShowMeterVersion(288)",
                                  }));
    EXPECT_EQ(dlg.meterCountdown, 12);
    dlg.meterCountdown = 0;
    EXPECT_EQ(MeterTick().front(), "meter.RequestSN(0)");
}

TEST_F(MeterPollTest, ModeFlagsShowTheirOwnBitsAndHexModeIsRestored) {
    struct Case {
        uint16_t mode;
        Log flags;
        bool hexModeSent;
    };
    // Bit 11 has no indicator: ShowModeFlag9 shows bit 9 and is called once.
    for (const Case& c : {
             Case{0x8008,
                  {"tab.ShowModeFlag0(0)", "tab.ShowModeFlag15(0)", "tab.ShowModeFlag3(0)",
                   "tab.ShowModeFlag4(1)", "tab.ShowModeFlag8(0)", "tab.ShowModeFlag9(0)",
                   "tab.ShowModeFlag10(0)", "tab.ShowModeFlag12(0)"},
                  true},
             Case{0x0802,
                  {"tab.ShowModeFlag0(0)", "tab.ShowModeFlag15(1)", "tab.ShowModeFlag3(1)",
                   "tab.ShowModeFlag4(1)", "tab.ShowModeFlag8(0)", "tab.ShowModeFlag9(0)",
                   "tab.ShowModeFlag10(0)", "tab.ShowModeFlag12(0)"},
                  false},
             Case{0x1713,
                  {"tab.ShowModeFlag0(1)", "tab.ShowModeFlag15(1)", "tab.ShowModeFlag3(1)",
                   "tab.ShowModeFlag4(0)", "tab.ShowModeFlag8(1)", "tab.ShowModeFlag9(1)",
                   "tab.ShowModeFlag10(1)", "tab.ShowModeFlag12(1)"},
                  false},
         }) {
        SCOPED_TRACE(c.mode);
        Meter().mode = c.mode;
        dlg.selectedPage = 1;
        dlg.meterCountdown = 0;
        log.Clear();
        Ticks(1);
        EXPECT_EQ(Lines(log.Matching({"tab.ShowModeFlag"})), Lines(c.flags));
        EXPECT_EQ(log.Contains("meter.SetHexMode(0)"), c.hexModeSent);
    }
}

TEST_F(MeterPollTest, PageTwoShowsTheDates) {
    dlg.selectedPage = 2;
    dlg.meterCountdown = 0;
    EXPECT_EQ(Lines(MeterTick()), Lines({
                                      "meter.RequestCalDueDate(0)",
                                      "tab.ShowCalDueDate(12,31,14)",
                                      "meter.RequestTimeDate(0)",
                                      "meter.RequestRTC(0)",
                                      "tab.ShowMeterDateTime(3,14,13,14,5,9)",
                                      "meter.RequestOPRCalDueDate(0)",
                                      "tab.ShowOprCalDueDate(6,30,15)",
                                  }));
    EXPECT_EQ(dlg.meterCountdown, 10);
}

TEST_F(MeterPollTest, EachPageIsReadAtItsOwnCadence) {
    struct Case {
        uint16_t page;
        std::vector<int> reads;
    };
    for (const Case& c : {Case{0, {1, 10, 19, 28}}, Case{1, {1, 14, 27}}, Case{2, {1, 12, 23}},
                          Case{4, {1, 6, 11, 16, 21, 26}}, Case{3, {}}, Case{5, {}}, Case{9, {}}}) {
        SCOPED_TRACE(c.page);
        dlg.selectedPage = c.page;
        dlg.meterCountdown = 0;
        EXPECT_EQ(ReadTicks(30), c.reads);
    }
}

TEST_F(MeterPollTest, PageFourRefreshesThePowerWithoutShowingIt) {
    dlg.selectedPage = 4;
    dlg.meterCountdown = 0;
    Meter().power = 0.5f;
    EXPECT_EQ(MeterTick(), (Log{"meter.GetOutputPower(0)"}));
    EXPECT_EQ(dlg.meterPower, 0.5f);
}

TEST_F(MeterPollTest, TheCountdownRunsAcrossPageChanges) {
    dlg.selectedPage = 1;
    dlg.meterCountdown = 0;
    ASSERT_FALSE(MeterTick().empty());
    dlg.selectedPage = 0;
    EXPECT_EQ(ReadTicks(13), (std::vector<int>{13}));
    // A page without readings leaves the countdown at 0: the next page is read at once.
    dlg.selectedPage = 3;
    EXPECT_EQ(ReadTicks(9), std::vector<int>{});
    dlg.selectedPage = 2;
    EXPECT_EQ(ReadTicks(1), (std::vector<int>{1}));
}

TEST_F(MeterPollTest, AReconnectedMeterFetchesFavouritesAndContrastAgain) {
    dlg.selectedPage = 1;
    dlg.meterCountdown = 0;
    Ticks(1);
    ASSERT_TRUE(dlg.favouritesKnown && dlg.contrastKnown);

    fake.meter.Detach(0);
    Ticks(1);
    FakeMeter& meter = fake.meter.Attach(0);
    meter.favourites = {650, 0, 0, 0, 0};
    meter.contrast = 3;
    dlg.selectedPage = 0;
    dlg.meterCountdown = 0;
    log.Clear();
    Ticks(1);
    EXPECT_TRUE(log.Contains("tab.ShowFavouriteWavelengths(650,0,0,0,0)"));
    dlg.selectedPage = 1;
    dlg.meterCountdown = 0;
    log.Clear();
    Ticks(1);
    EXPECT_TRUE(log.Contains("tab.ShowContrast(3)"));
}

}  // namespace
}  // namespace varden::testing
