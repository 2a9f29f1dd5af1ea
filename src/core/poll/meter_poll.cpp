// The power-meter phase of the tick: every few ticks, the values of the tab-panel page now shown.
#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

// Ticks skipped after reading a page, so each page is read once per 9, 13, 11 or 5 ticks.
constexpr uint16_t kReadingsPageWait = 8;
constexpr uint16_t kSettingsPageWait = 12;
constexpr uint16_t kDatesPageWait = 10;
constexpr uint16_t kPowerOnlyPageWait = 4;

enum MeterPage : uint16_t {
    kReadingsPage = 0,
    kSettingsPage = 1,
    kDatesPage = 2,
    kSnapshotPage = 4,
};

// Mode-word bit that reports hexadecimal mode.
constexpr uint16_t kHexModeBit = 1u << 1;

constexpr uint8_t Bit(uint16_t word, int bit) {
    return static_cast<uint8_t>((word >> bit) & 1u);
}
constexpr uint8_t ClearBit(uint16_t word, int bit) {
    return Bit(word, bit) ^ 1u;
}

// The panel shows milliwatts; the product is taken in double precision.
float Milliwatts(float watts) {
    return static_cast<float>(static_cast<double>(watts) * 1000.0);
}

}  // namespace

void CVardenControlPanelDlg::PollMeter() {
    if (meterCountdown != 0) {
        --meterCountdown;
        return;
    }
    switch (selectedPage) {
        case kReadingsPage:
            meterApi.GetOutputPower(meterDevice, &meterPower);
            tabPanel.ShowPower(Milliwatts(meterPower));
            meterApi.RequestReference(meterDevice, &meterReference);
            tabPanel.ShowReference(Milliwatts(meterReference));
            meterApi.GetWaveLength(meterDevice, &meterWavelength);
            tabPanel.ShowWavelength(meterWavelength);
            // Fetched once per connection; a failed fetch is repeated at the next read.
            if (favouritesKnown == 0) {
                favouritesKnown = meterApi.GetFiveFreqSetPoints(
                    meterDevice, &favouriteWavelengths[0], &favouriteWavelengths[1],
                    &favouriteWavelengths[2], &favouriteWavelengths[3], &favouriteWavelengths[4]);
                tabPanel.ShowFavouriteWavelengths(favouriteWavelengths[0], favouriteWavelengths[1],
                                                  favouriteWavelengths[2], favouriteWavelengths[3],
                                                  favouriteWavelengths[4]);
            }
            meterCountdown = kReadingsPageWait;
            break;

        case kSettingsPage:
            if (contrastKnown == 0) {
                contrastKnown = meterApi.RequestContrast(meterDevice, &meterContrast);
                tabPanel.ShowContrast(meterContrast);
            }
            meterApi.RequestSN(meterDevice, &meterSerial);
            tabPanel.ShowSerialNumber(static_cast<int16_t>(meterSerial));
            meterApi.RequestMode(meterDevice, &meterMode);
            // Bits 15, 3 and 4 are options the panel shows as enabled while they are clear.
            // Bit 11 has no indicator of its own.
            tabPanel.ShowModeFlag0(Bit(meterMode, 0));
            tabPanel.ShowModeFlag15(ClearBit(meterMode, 15));
            tabPanel.ShowModeFlag3(ClearBit(meterMode, 3));
            tabPanel.ShowModeFlag4(ClearBit(meterMode, 4));
            tabPanel.ShowModeFlag8(Bit(meterMode, 8));
            tabPanel.ShowModeFlag9(Bit(meterMode, 9));
            tabPanel.ShowModeFlag10(Bit(meterMode, 10));
            tabPanel.ShowModeFlag12(Bit(meterMode, 12));
            // The panel reads the meter's numbers in hexadecimal; a meter that has left that
            // mode is put back into it.
            if ((meterMode & kHexModeBit) == 0) {
                meterApi.SetHexMode(meterDevice);
            }
            meterApi.GetUnitStatus(meterDevice, &meterStatus[0], &meterStatus[1], &meterStatus[2],
                                   &meterStatus[3], &meterStatus[4], &meterStatus[5]);
            tabPanel.ShowMeterStatus1(static_cast<uint8_t>(meterStatus[0]));
            tabPanel.ShowMeterStatus2(static_cast<uint8_t>(meterStatus[1]));
            meterApi.GetSoftwareVersion(meterDevice, &meterVersion);
            tabPanel.ShowMeterVersion(static_cast<int16_t>(meterVersion));
            meterCountdown = kSettingsPageWait;
            break;

        case kDatesPage:
            meterApi.RequestCalDueDate(meterDevice, &calDueDate[0], &calDueDate[1], &calDueDate[2]);
            tabPanel.ShowCalDueDate(calDueDate[0], calDueDate[1], calDueDate[2]);
            meterApi.RequestTimeDate(meterDevice, &meterDate[0], &meterDate[1], &meterDate[2]);
            meterApi.RequestRTC(meterDevice, &meterClock[0], &meterClock[1], &meterClock[2]);
            tabPanel.ShowMeterDateTime(meterDate[0], meterDate[1], meterDate[2], meterClock[0],
                                       meterClock[1], meterClock[2]);
            meterApi.RequestOPRCalDueDate(meterDevice, &oprCalDueDate[0], &oprCalDueDate[1],
                                          &oprCalDueDate[2]);
            tabPanel.ShowOprCalDueDate(oprCalDueDate[0], oprCalDueDate[1], oprCalDueDate[2]);
            meterCountdown = kDatesPageWait;
            break;

        case kSnapshotPage:
            // Keeps the reading fresh for captures without showing it.
            meterApi.GetOutputPower(meterDevice, &meterPower);
            meterCountdown = kPowerOnlyPageWait;
            break;

        default:
            // The stored data log and the stability graph need no meter readings.
            break;
    }
}

}  // namespace varden
