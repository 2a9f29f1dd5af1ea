#include "gui/controls/meter_settings_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "gui/controls/reading_text.h"
#include "gui/controls/readout_spin_box.h"

namespace varden {

namespace {

QLabel* AddValue(QGridLayout* grid, int row, int column, const QString& caption,
                 const QString& tooltip) {
    auto* name = new QLabel(caption, grid->parentWidget());
    name->setForegroundRole(QPalette::PlaceholderText);
    auto* value = new QLabel(kNoValue, grid->parentWidget());
    value->setAccessibleName(caption);
    value->setToolTip(tooltip);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(name, row, column);
    grid->addWidget(value, row, column + 1);
    return value;
}

QString StatusText(uint8_t value) {
    return QStringLiteral("%1 (0x%2)").arg(value).arg(value, 2, 16, QLatin1Char('0'));
}

}  // namespace

MeterSettingsPage::MeterSettingsPage(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);

    serial_ = AddValue(grid, 0, 0, tr("Serial number"), tr("Serial number of the meter"));
    version_ = AddValue(grid, 0, 2, tr("Version"), tr("Software version of the meter"));
    status1_ = AddValue(grid, 1, 0, tr("Status 1"), tr("Unit status value 1 of the meter"));
    status2_ = AddValue(grid, 1, 2, tr("Status 2"), tr("Unit status value 2 of the meter"));

    auto* contrastLabel = new QLabel(tr("C&ontrast"), this);
    contrastLabel->setForegroundRole(QPalette::PlaceholderText);
    contrast_ = new ReadoutSpinBox(this);
    contrast_->setRange(0, 255);
    contrast_->setAccessibleName(tr("Display contrast"));
    contrast_->setToolTip(tr("Contrast of the meter's display; press Enter to set it"));
    contrastLabel->setBuddy(contrast_);
    grid->addWidget(contrastLabel, 2, 0);
    grid->addWidget(contrast_, 2, 1, Qt::AlignLeft);
    connect(contrast_, &ReadoutSpinBox::ValueEntered, this,
            [this](int level) { Q_EMIT ContrastEntered(static_cast<quint8>(level)); });

    auto* group = new QGroupBox(tr("Mode options"), this);
    auto* boxes = new QGridLayout(group);
    boxes->setContentsMargins(6, 2, 6, 2);
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(0);
    for (std::size_t i = 0; i < kModeOptions.size(); ++i) {
        const ModeOption option = kModeOptions[i];
        auto* box = new QCheckBox(
            option.inverted ? tr("Not %1").arg(option.bit) : tr("Bit %1").arg(option.bit), group);
        box->setAccessibleName(tr("Mode bit %1").arg(option.bit) +
                               (option.inverted ? tr(", ticked when clear") : QString()));
        box->setToolTip(option.inverted
                            ? tr("Ticked while bit %1 of the mode word is clear").arg(option.bit)
                            : tr("Ticked while bit %1 of the mode word is set").arg(option.bit));
        boxes->addWidget(box, static_cast<int>(i / 4), static_cast<int>(i % 4));
        options_[i] = box;
        const auto mask = static_cast<quint16>(1U << option.bit);
        // clicked is raised by the operator only, never by ShowModeOption.
        connect(box, &QCheckBox::clicked, this, [this, option, mask](bool ticked) {
            const bool set = option.inverted ? !ticked : ticked;
            Q_EMIT ModeOptionChanged(set ? 1 : 0, mask);
        });
    }
    grid->addWidget(group, 3, 0, 1, 4);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void MeterSettingsPage::ShowSerialNumber(int16_t serial) {
    // The meter's serial number is an unsigned 16-bit number carried in a signed argument.
    serial_->setText(QString::number(static_cast<uint16_t>(serial)));
}

void MeterSettingsPage::ShowVersion(int16_t version) {
    version_->setText(QString::number(static_cast<uint16_t>(version)));
}

void MeterSettingsPage::ShowStatus1(uint8_t value) {
    status1_->setText(StatusText(value));
}

void MeterSettingsPage::ShowStatus2(uint8_t value) {
    status2_->setText(StatusText(value));
}

void MeterSettingsPage::ShowContrast(int16_t contrast) {
    contrast_->ShowValue(contrast);
}

void MeterSettingsPage::ShowModeOption(std::size_t option, uint8_t on) {
    if (option < options_.size()) {
        options_[option]->setChecked(on != 0);
    }
}

}  // namespace varden
