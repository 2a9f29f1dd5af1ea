#include "gui/controls/tab_panel_widget.h"

#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

#include "gui/controls/data_log_model.h"
#include "gui/controls/data_log_page.h"
#include "gui/controls/meter_dates_page.h"
#include "gui/controls/meter_settings_page.h"
#include "gui/controls/panel_font.h"
#include "gui/controls/power_page.h"
#include "gui/controls/readout_spin_box.h"
#include "gui/controls/snapshot_page.h"
#include "gui/controls/snapshot_table_model.h"
#include "gui/controls/stability_page.h"

namespace varden {

namespace {

constexpr uint8_t kDone = 0;
// Returned when the arguments name nothing; no caller relies on it.
constexpr uint8_t kIgnored = 1;

std::vector<uint16_t> FromSlots(uint16_t count, const int32_t* slots) {
    std::vector<uint16_t> list;
    const int n = std::min<int>(count, kMaxAxisEntries);
    for (int i = 0; i < n; ++i) {
        list.push_back(static_cast<uint16_t>(slots[i] & 0xFFFF));
    }
    return list;
}

uint8_t ToSlots(const std::vector<uint16_t>& list, uint16_t* count, int32_t* slots,
                uint16_t capacity) {
    if (count == nullptr) {
        return kIgnored;
    }
    const std::size_t room = slots == nullptr ? 0 : capacity;
    const std::size_t n = std::min(list.size(), room);
    for (std::size_t i = 0; i < n; ++i) {
        slots[i] = static_cast<int32_t>(list[i]);
    }
    // The count says how many slots were written, so a caller never reads past them.
    *count = static_cast<uint16_t>(n);
    return kDone;
}

// Tabs with less padding, so that all six titles fit across the panel's 354 pixels.
class CompactTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_TabBarTabHSpace: return 12;
            case PM_TabBarTabVSpace: return 6;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

TabPanelWidget::TabPanelWidget(QWidget* parent) : QTabWidget(parent) {
    setAccessibleName(tr("Power meter and stability"));
    setFont(PanelFont(font()));
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(tabBar());
    tabBar()->setStyle(tabStyle);
    setUsesScrollButtons(false);
    tabBar()->setExpanding(false);

    power_ = new PowerPage(this);
    settings_ = new MeterSettingsPage(this);
    dates_ = new MeterDatesPage(this);
    dataLog_ = new DataLogPage(this);
    snapshot_ = new SnapshotPage(this);
    stability_ = new varden::StabilityPage(this);
    struct Page {
        QWidget* widget;
        const char* title;
        const char* tip;
    };
    for (const Page& page : {Page{power_, "&Power", "Power meter readings and wavelength"},
                             Page{settings_, "&Meter", "Power meter settings"},
                             Page{dates_, "&Dates", "Power meter calibration dates and clock"},
                             Page{dataLog_, "Data &Log", "Readings stored in the power meter"},
                             Page{snapshot_, "S&napshot", "Advanced power snapshot table"},
                             Page{stability_, "S&tability", "Power stability recording"}}) {
        const int index = addTab(page.widget, tr(page.title));
        setTabToolTip(index, tr(page.tip));
        page.widget->setAccessibleName(tabText(index).remove(QLatin1Char('&')));
    }

    connect(this, &QTabWidget::currentChanged, this, [this](int page) {
        Q_EMIT EventRaised(kPageSelected, static_cast<quint32>(page), 0, 0);
    });
    connect(power_, &PowerPage::WavelengthEntered, this,
            [this](quint16 nm) { Q_EMIT EventRaised(kWavelengthChanged, nm, 0, 0); });
    connect(power_, &PowerPage::FavouriteEntered, this, [this](quint8 slot, quint16 nm) {
        Q_EMIT EventRaised(kFavouriteWavelengthSet, slot, nm, 0);
    });
    connect(settings_, &MeterSettingsPage::ContrastEntered, this,
            [this](quint8 level) { Q_EMIT EventRaised(kContrastChanged, level, 0, 0); });
    connect(
        settings_, &MeterSettingsPage::ModeOptionChanged, this,
        [this](quint8 on, quint16 mask) { Q_EMIT EventRaised(kModeOptionChanged, on, mask, 0); });
    connect(snapshot_, &SnapshotPage::CellChosen, this, [this](quint8 w, quint8 m, quint8 row) {
        Q_EMIT EventRaised(kCaptureCellRequested, w, m, row);
    });
    connect(stability_, &StabilityPage::CommandRaised, this,
            [this](quint8 action) { Q_EMIT EventRaised(kStabilityCommand, action, 0, 0); });
    connect(stability_, &StabilityPage::IntervalEntered, this,
            [this](quint16 seconds) { Q_EMIT EventRaised(kSampleIntervalChanged, seconds, 0, 0); });
}

QWidget* TabPanelWidget::StabilityPage() const {
    return stability_;
}

uint8_t TabPanelWidget::SetCaptionHeight(uint16_t pixels) {
    // The panel lays itself out by its own fonts; the window's caption height is only kept.
    captionHeight_ = pixels;
    return kDone;
}

uint8_t TabPanelWidget::EnablePage(uint8_t page, uint8_t on) {
    if (page >= kPageCount) {
        return kIgnored;
    }
    // A disabled page stays in front if it was: the panel never changes the page on its own,
    // so the controller's idea of the page shown stays true and no page event is raised
    // behind its back. The tab and the page's controls are greyed.
    const int shown = currentIndex();
    {
        const QSignalBlocker quiet(tabBar());
        tabBar()->setTabEnabled(page, on != 0);
        tabBar()->setCurrentIndex(shown);
    }
    widget(page)->setEnabled(on != 0);
    return kDone;
}

uint8_t TabPanelWidget::SelectPage(int8_t page) {
    if (page < 0 || page >= kPageCount) {
        return kIgnored;
    }
    // The page is reported even when it is already in front, so the meter poll always follows
    // the page a capture brings forward.
    if (currentIndex() == page) {
        Q_EMIT EventRaised(kPageSelected, static_cast<quint32>(page), 0, 0);
    } else {
        setCurrentIndex(page);
    }
    return kDone;
}

uint8_t TabPanelWidget::ShowPower(float milliwatts) {
    power_->ShowPower(milliwatts);
    return kDone;
}

uint8_t TabPanelWidget::ShowReference(float milliwatts) {
    power_->ShowReference(milliwatts);
    return kDone;
}

uint8_t TabPanelWidget::ShowWavelength(uint16_t nanometres) {
    power_->ShowWavelength(nanometres);
    return kDone;
}

uint8_t TabPanelWidget::ShowFavouriteWavelengths(uint16_t slot0, uint16_t slot1, uint16_t slot2,
                                                 uint16_t slot3, uint16_t slot4) {
    power_->ShowFavourites({slot0, slot1, slot2, slot3, slot4});
    return kDone;
}

uint8_t TabPanelWidget::ShowSerialNumber(int16_t serial) {
    settings_->ShowSerialNumber(serial);
    return kDone;
}

uint8_t TabPanelWidget::ShowContrast(int16_t contrast) {
    settings_->ShowContrast(contrast);
    return kDone;
}

uint8_t TabPanelWidget::ShowMeterVersion(int16_t version) {
    settings_->ShowVersion(version);
    return kDone;
}

uint8_t TabPanelWidget::ShowMeterStatus1(uint8_t value) {
    settings_->ShowStatus1(value);
    return kDone;
}

uint8_t TabPanelWidget::ShowMeterStatus2(uint8_t value) {
    settings_->ShowStatus2(value);
    return kDone;
}

uint8_t TabPanelWidget::ShowModeOption(std::size_t option, uint8_t on) {
    settings_->ShowModeOption(option, on);
    return kDone;
}

uint8_t TabPanelWidget::ShowModeFlag0(uint8_t on) {
    return ShowModeOption(0, on);
}
uint8_t TabPanelWidget::ShowModeFlag15(uint8_t on) {
    return ShowModeOption(1, on);
}
uint8_t TabPanelWidget::ShowModeFlag3(uint8_t on) {
    return ShowModeOption(2, on);
}
uint8_t TabPanelWidget::ShowModeFlag4(uint8_t on) {
    return ShowModeOption(3, on);
}
uint8_t TabPanelWidget::ShowModeFlag8(uint8_t on) {
    return ShowModeOption(4, on);
}
uint8_t TabPanelWidget::ShowModeFlag9(uint8_t on) {
    return ShowModeOption(5, on);
}
uint8_t TabPanelWidget::ShowModeFlag10(uint8_t on) {
    return ShowModeOption(6, on);
}
uint8_t TabPanelWidget::ShowModeFlag12(uint8_t on) {
    return ShowModeOption(7, on);
}

uint8_t TabPanelWidget::ShowCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) {
    dates_->ShowCalibrationDue(field1, field2, field3);
    return kDone;
}

uint8_t TabPanelWidget::ShowOprCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) {
    dates_->ShowSecondCalibrationDue(field1, field2, field3);
    return kDone;
}

uint8_t TabPanelWidget::ShowMeterDateTime(uint8_t date1, uint8_t date2, uint8_t date3,
                                          uint8_t time1, uint8_t time2, uint8_t time3) {
    dates_->ShowDateTime(date1, date2, date3, time1, time2, time3);
    return kDone;
}

uint8_t TabPanelWidget::AddDataLogRow(uint16_t row, const std::string& timeStamp, float power,
                                      uint8_t input, uint16_t serial) {
    // Rows are appended in arrival order, so a second download adds its readings after the
    // first rather than overwriting any.
    return dataLog_->Model().Add({row, timeStamp, power, input, serial}) ? kDone : kIgnored;
}

uint8_t TabPanelWidget::ClearDataLog() {
    dataLog_->Model().Clear();
    return kDone;
}

uint8_t TabPanelWidget::GetDataLogCount(uint16_t* count) {
    if (count == nullptr) {
        return kIgnored;
    }
    *count = static_cast<uint16_t>(dataLog_->Model().Count());
    return kDone;
}

uint8_t TabPanelWidget::GetDataLogRow(uint16_t row, std::string* timeStamp, uint16_t* serial,
                                      float* power, uint16_t* input) {
    const DataLogModel::Row* found = dataLog_->Model().At(row);
    if (found == nullptr) {
        return kIgnored;
    }
    if (timeStamp != nullptr) {
        *timeStamp = found->timeStamp;
    }
    if (serial != nullptr) {
        *serial = found->serial;
    }
    if (power != nullptr) {
        *power = found->power;
    }
    if (input != nullptr) {
        *input = found->input;
    }
    return kDone;
}

uint8_t TabPanelWidget::EnableStabilityStart(uint8_t on) {
    stability_->StartButton()->setEnabled(on != 0);
    return kDone;
}

uint8_t TabPanelWidget::EnableStabilityPause(uint8_t on) {
    stability_->PauseButton()->setEnabled(on != 0);
    return kDone;
}

uint8_t TabPanelWidget::EnableStabilityStop(uint8_t on) {
    stability_->StopButton()->setEnabled(on != 0);
    return kDone;
}

uint16_t TabPanelWidget::GetSampleInterval(int16_t, int16_t) {
    return static_cast<uint16_t>(stability_->Interval()->value());
}

uint8_t TabPanelWidget::SetMagnificationList(uint16_t count, const int32_t* slots) {
    if (slots == nullptr && count > 0) {
        return kIgnored;
    }
    snapshot_->Model().SetMagnifications(FromSlots(count, slots));
    return kDone;
}

uint8_t TabPanelWidget::SetFilterList(uint16_t count, const int32_t* slots) {
    if (slots == nullptr && count > 0) {
        return kIgnored;
    }
    snapshot_->Model().SetWavelengths(FromSlots(count, slots));
    return kDone;
}

uint8_t TabPanelWidget::GetMagnificationList(uint16_t* count, int32_t* slots, uint16_t capacity) {
    return ToSlots(snapshot_->Model().Table().Magnifications(), count, slots, capacity);
}

uint8_t TabPanelWidget::GetFilterList(uint16_t* count, int32_t* slots, uint16_t capacity) {
    return ToSlots(snapshot_->Model().Table().Wavelengths(), count, slots, capacity);
}

uint16_t TabPanelWidget::GetIntensityAxis() {
    return snapshot_->Model().Table().IntensityAxis();
}

uint8_t TabPanelWidget::SetIntensityAxis(uint16_t word) {
    snapshot_->Model().SetIntensityAxis(word);
    return kDone;
}

uint8_t TabPanelWidget::SetIntensityLabel(uint8_t row, const std::string& text) {
    return snapshot_->Model().SetIntensityLabel(row, text) ? kDone : kIgnored;
}

uint8_t TabPanelWidget::ClearCaptures() {
    snapshot_->Model().ClearPoints();
    return kDone;
}

uint8_t TabPanelWidget::BeginCapture() {
    snapshot_->Model().BeginCapture();
    return kDone;
}

uint8_t TabPanelWidget::EndCapture() {
    snapshot_->Model().EndCapture();
    return kDone;
}

uint8_t TabPanelWidget::SelectCaptureColumn(int16_t wavelengthIndex, int16_t magnificationIndex) {
    snapshot_->Model().SelectColumn(wavelengthIndex, magnificationIndex);
    return kDone;
}

uint8_t TabPanelWidget::AddCapturePoint(int16_t level, float watts) {
    return snapshot_->Model().AddPoint(level, watts) ? kDone : kIgnored;
}

uint8_t TabPanelWidget::SetCaptureState(uint8_t) {
    // The state byte (always 0) needs nothing shown: the capture's transaction shows the capture.
    return kDone;
}

uint8_t TabPanelWidget::GetCapturePoint(uint16_t wavelengthIndex, uint16_t magnificationIndex,
                                        uint16_t row, float* watts) {
    const std::optional<float> point =
        snapshot_->Model().Table().Point(wavelengthIndex, magnificationIndex, row);
    if (watts != nullptr) {
        *watts = point.value_or(SnapshotTable::kNoReading);
    }
    return point ? 1 : 0;
}

}  // namespace varden
