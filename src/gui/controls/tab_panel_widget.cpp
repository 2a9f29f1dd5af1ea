#include "gui/controls/tab_panel_widget.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace varden {

namespace {

const char* const kPageTitles[] = {"Readings", "Settings", "Dates", "Data Log", "SnapShot",
                                   "Stability"};
constexpr int kPageCount = 6;

std::vector<uint16_t> FromSlots(uint16_t count, const int32_t* slots) {
    std::vector<uint16_t> list;
    for (int i = 0; i < std::min<int>(count, kMaxAxisEntries); ++i) {
        list.push_back(static_cast<uint16_t>(slots[i] & 0xFFFF));
    }
    return list;
}

void ToSlots(const std::vector<uint16_t>& list, uint16_t* count, int32_t* slots,
             uint16_t capacity) {
    const auto n = static_cast<uint16_t>(std::min<std::size_t>(list.size(), capacity));
    std::copy_n(list.begin(), n, slots);
    *count = n;
}

}  // namespace

TabPanelWidget::TabPanelWidget(QWidget* parent) : QTabWidget(parent) {
    for (const char* title : kPageTitles) {
        auto* page = new QWidget(this);
        addTab(page, tr(title));
    }
    readings_ = new QLabel(widget(0));
    auto* layout = new QVBoxLayout(widget(0));
    layout->addWidget(readings_);
    connect(this, &QTabWidget::currentChanged, this,
            [this](int page) { Q_EMIT EventRaised(kPageSelected, static_cast<quint32>(page), 0, 0); });
}

QWidget* TabPanelWidget::StabilityPage() const { return widget(5); }

uint8_t TabPanelWidget::SetCaptionHeight(uint16_t) { return 0; }

uint8_t TabPanelWidget::EnablePage(uint8_t page, uint8_t on) {
    if (page < kPageCount) {
        setTabEnabled(page, on != 0);
    }
    return 0;
}

uint8_t TabPanelWidget::SelectPage(int8_t page) {
    if (page >= 0 && page < kPageCount) {
        setCurrentIndex(page);
    }
    return 0;
}

uint8_t TabPanelWidget::ShowPower(float milliwatts) {
    power_ = milliwatts;
    readings_->setText(QString("Power %1 mW\nReference %2 mW\nWavelength %3 nm")
                           .arg(power_, 0, 'f', 3)
                           .arg(reference_, 0, 'f', 3)
                           .arg(wavelength_));
    return 0;
}

uint8_t TabPanelWidget::ShowReference(float milliwatts) {
    reference_ = milliwatts;
    return 0;
}

uint8_t TabPanelWidget::ShowWavelength(uint16_t nanometres) {
    wavelength_ = nanometres;
    return 0;
}

uint8_t TabPanelWidget::ShowFavouriteWavelengths(uint16_t, uint16_t, uint16_t, uint16_t,
                                                 uint16_t) {
    return 0;
}
uint8_t TabPanelWidget::ShowSerialNumber(int16_t) { return 0; }
uint8_t TabPanelWidget::ShowContrast(int16_t) { return 0; }
uint8_t TabPanelWidget::ShowMeterVersion(int16_t) { return 0; }
uint8_t TabPanelWidget::ShowMeterStatus1(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowMeterStatus2(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag0(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag15(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag3(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag4(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag8(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag9(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag10(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowModeFlag12(uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowCalDueDate(uint8_t, uint8_t, uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowOprCalDueDate(uint8_t, uint8_t, uint8_t) { return 0; }
uint8_t TabPanelWidget::ShowMeterDateTime(uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t) {
    return 0;
}

uint8_t TabPanelWidget::AddDataLogRow(uint16_t, const std::string& timeStamp, float power,
                                      uint8_t input, uint16_t serial) {
    dataLog_.push_back(DataLogRow{timeStamp, power, input, serial});
    return 0;
}

uint8_t TabPanelWidget::ClearDataLog() {
    dataLog_.clear();
    return 0;
}

uint8_t TabPanelWidget::GetDataLogCount(uint16_t* count) {
    *count = static_cast<uint16_t>(std::min<std::size_t>(dataLog_.size(), 0xFFFF));
    return 0;
}

uint8_t TabPanelWidget::GetDataLogRow(uint16_t row, std::string* timeStamp, uint16_t* serial,
                                      float* power, uint16_t* input) {
    if (row >= dataLog_.size()) {
        return 0;
    }
    const DataLogRow& r = dataLog_[row];
    *timeStamp = r.timeStamp;
    *serial = r.serial;
    *power = r.power;
    *input = r.input;
    return 1;
}

uint8_t TabPanelWidget::EnableStabilityStart(uint8_t) { return 0; }
uint8_t TabPanelWidget::EnableStabilityPause(uint8_t) { return 0; }
uint8_t TabPanelWidget::EnableStabilityStop(uint8_t) { return 0; }
uint16_t TabPanelWidget::GetSampleInterval(int16_t, int16_t) { return 10; }

uint8_t TabPanelWidget::SetMagnificationList(uint16_t count, const int32_t* slots) {
    magnifications_ = FromSlots(count, slots);
    return 0;
}

uint8_t TabPanelWidget::SetFilterList(uint16_t count, const int32_t* slots) {
    filters_ = FromSlots(count, slots);
    return 0;
}

uint8_t TabPanelWidget::GetMagnificationList(uint16_t* count, int32_t* slots, uint16_t capacity) {
    ToSlots(magnifications_, count, slots, capacity);
    return 0;
}

uint8_t TabPanelWidget::GetFilterList(uint16_t* count, int32_t* slots, uint16_t capacity) {
    ToSlots(filters_, count, slots, capacity);
    return 0;
}

uint16_t TabPanelWidget::GetIntensityAxis() { return intensityAxis_; }

uint8_t TabPanelWidget::SetIntensityAxis(uint16_t word) {
    intensityAxis_ = word;
    return 0;
}

uint8_t TabPanelWidget::SetIntensityLabel(uint8_t, const std::string&) { return 0; }

uint8_t TabPanelWidget::ClearCaptures() {
    cells_.clear();
    return 0;
}

uint8_t TabPanelWidget::BeginCapture() { return 0; }
uint8_t TabPanelWidget::EndCapture() { return 0; }

uint8_t TabPanelWidget::SelectCaptureColumn(int16_t wavelengthIndex, int16_t magnificationIndex) {
    columnWavelength_ = wavelengthIndex;
    columnMagnification_ = magnificationIndex;
    return 0;
}

uint8_t TabPanelWidget::AddCapturePoint(int16_t level, float watts) {
    const int row = intensityAxis_ >= 1 && intensityAxis_ <= 100 ? level / intensityAxis_ : level;
    cells_[{columnWavelength_, columnMagnification_, row}] = watts;
    return 0;
}

uint8_t TabPanelWidget::SetCaptureState(uint8_t) { return 0; }

uint8_t TabPanelWidget::GetCapturePoint(uint16_t wavelengthIndex, uint16_t magnificationIndex,
                                        uint16_t row, float* watts) {
    auto found = cells_.find({wavelengthIndex, magnificationIndex, row});
    if (found == cells_.end()) {
        *watts = -1.0f;
        return 0;
    }
    *watts = found->second;
    return 1;
}

}  // namespace varden
