#include "gui/controls/stability_page.h"

#include <QLabel>
#include <QPushButton>

#include "gui/controls/readout_spin_box.h"

namespace varden {

namespace {

// The chart's place on the page and the room left around it.
constexpr int kChartLeft = 50;
constexpr int kChartTop = 15;
constexpr int kChartHeight = 130;
constexpr int kColumnLeft = 3;
constexpr int kColumnWidth = kChartLeft - kColumnLeft - 3;
constexpr int kButtonHeight = 24;

}  // namespace

StabilityPage::StabilityPage(QWidget* parent) : QWidget(parent) {
    start_ = AddCommand(tr("Sta&rt"), tr("Start recording"),
                        tr("Start a new stability recording (closed-loop feedback must be on)"),
                        kChartTop, 0);
    pause_ = AddCommand(tr("Pa&use"), tr("Pause or resume recording"),
                        tr("Pause the recording, or resume a paused one"),
                        kChartTop + kButtonHeight + 4, 1);
    stop_ = AddCommand(tr("St&op"), tr("Stop recording"), tr("Stop the recording"),
                       kChartTop + 2 * (kButtonHeight + 4), 2);
    pause_->setEnabled(false);
    stop_->setEnabled(false);

    auto* intervalLabel = new QLabel(tr("E&very"), this);
    intervalLabel->setGeometry(kColumnLeft, kChartTop + kChartHeight - 40, kColumnWidth, 16);
    interval_ = new ReadoutSpinBox(this);
    interval_->setRange(kMinInterval, kMaxInterval);
    interval_->setValue(kDefaultInterval);
    interval_->setSuffix(QStringLiteral(" s"));
    interval_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    interval_->setAlignment(Qt::AlignRight);
    interval_->setAccessibleName(tr("Sampling interval in seconds"));
    interval_->setToolTip(tr("Seconds between two samples; a change applies from the next sample"));
    interval_->setGeometry(kColumnLeft, kChartTop + kChartHeight - 22, kColumnWidth, 22);
    intervalLabel->setBuddy(interval_);
    connect(interval_, &ReadoutSpinBox::ValueEntered, this,
            [this](int seconds) { Q_EMIT IntervalEntered(static_cast<quint16>(seconds)); });

    setTabOrder(start_, pause_);
    setTabOrder(pause_, stop_);
    setTabOrder(stop_, interval_);
}

QPushButton* StabilityPage::AddCommand(const QString& text, const QString& name, const QString& tip,
                                       int y, quint8 action) {
    auto* button = new QPushButton(text, this);
    button->setAccessibleName(name);
    button->setToolTip(tip);
    button->setGeometry(kColumnLeft, y, kColumnWidth, kButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, action] { Q_EMIT CommandRaised(action); });
    return button;
}

}  // namespace varden
