#include "gui/controls/power_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/controls/panel_font.h"
#include "gui/controls/reading_text.h"
#include "gui/controls/readout_spin_box.h"

namespace varden {

namespace {

// A spin box for a wavelength in nm, as the meter takes it (16 bits).
ReadoutSpinBox* NewWavelengthBox(QWidget* parent, const QString& name, bool withUnit) {
    auto* box = new ReadoutSpinBox(parent);
    box->setRange(0, 65535);
    if (withUnit) {
        box->setSuffix(QStringLiteral(" nm"));
    }
    box->setAlignment(Qt::AlignRight);
    box->setAccessibleName(name);
    return box;
}

QLabel* NewReading(QWidget* parent, const QString& name, int pointsLarger) {
    auto* label = new QLabel(kNoValue, parent);
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = ResizedFont(label->font(), pointsLarger);
    large.setBold(true);
    label->setFont(large);
    return label;
}

QLabel* NewCaption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

}  // namespace

PowerPage::PowerPage(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);

    power_ = NewReading(this, tr("Power"), 7);
    power_->setToolTip(tr("Power reading of the meter"));
    reference_ = NewReading(this, tr("Reference"), 2);
    reference_->setToolTip(tr("Reference reading of the meter"));
    grid->addWidget(NewCaption(this, tr("Power")), 0, 0);
    grid->addWidget(NewCaption(this, tr("Reference")), 0, 1);
    grid->addWidget(power_, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(reference_, 1, 1, Qt::AlignLeft | Qt::AlignBottom);

    auto* wavelengthLabel = new QLabel(tr("&Wavelength"), this);
    wavelength_ = NewWavelengthBox(this, tr("Wavelength"), true);
    wavelength_->setToolTip(tr("Wavelength the meter measures at; press Enter to set it"));
    wavelengthLabel->setBuddy(wavelength_);
    auto* wavelengthRow = new QHBoxLayout;
    wavelengthRow->addWidget(wavelengthLabel);
    wavelengthRow->addWidget(wavelength_);
    wavelengthRow->addStretch(1);
    grid->addLayout(wavelengthRow, 2, 0, 1, 2);
    connect(wavelength_, &ReadoutSpinBox::ValueEntered, this,
            [this](int nm) { Q_EMIT WavelengthEntered(static_cast<quint16>(nm)); });

    // The five boxes share one unit, given in their caption, so that they fit side by side.
    auto* favouritesLabel = new QLabel(tr("Fa&vourite wavelengths (nm)"), this);
    grid->addWidget(favouritesLabel, 3, 0, 1, 2);
    auto* favouritesRow = new QHBoxLayout;
    favouritesRow->setSpacing(4);
    for (int slot = 0; slot < 5; ++slot) {
        ReadoutSpinBox* box =
            NewWavelengthBox(this, tr("Favourite wavelength %1 in nm").arg(slot + 1), false);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setToolTip(tr("Favourite %1 of the meter; press Enter to store it").arg(slot + 1));
        favouritesRow->addWidget(box);
        favourites_[static_cast<std::size_t>(slot)] = box;
        connect(box, &ReadoutSpinBox::ValueEntered, this, [this, slot](int nm) {
            Q_EMIT FavouriteEntered(static_cast<quint8>(slot), static_cast<quint16>(nm));
        });
    }
    favouritesLabel->setBuddy(favourites_[0]);
    grid->addLayout(favouritesRow, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
}

void PowerPage::ShowPower(float milliwatts) {
    power_->setText(MilliwattText(milliwatts));
}

void PowerPage::ShowReference(float milliwatts) {
    reference_->setText(MilliwattText(milliwatts));
}

void PowerPage::ShowWavelength(uint16_t nanometres) {
    wavelength_->ShowValue(nanometres);
}

void PowerPage::ShowFavourites(const std::array<uint16_t, 5>& nanometres) {
    for (std::size_t slot = 0; slot < nanometres.size(); ++slot) {
        favourites_[slot]->ShowValue(nanometres[slot]);
    }
}

}  // namespace varden
