#include "gui/controls/meter_dates_page.h"

#include <QFormLayout>
#include <QLabel>

#include "gui/controls/panel_font.h"
#include "gui/controls/reading_text.h"

namespace varden {

namespace {

QLabel* AddRow(QFormLayout* form, const QString& caption, const QString& tooltip) {
    auto* value = new QLabel(kNoValue, form->parentWidget());
    value->setAccessibleName(caption);
    value->setToolTip(tooltip);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont larger = ResizedFont(value->font(), 1);
    larger.setBold(true);
    value->setFont(larger);
    auto* name = new QLabel(caption, form->parentWidget());
    name->setForegroundRole(QPalette::PlaceholderText);
    form->addRow(name, value);
    return value;
}

}  // namespace

MeterDatesPage::MeterDatesPage(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(10, 8, 10, 6);
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(6);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    calibrationDue_ = AddRow(form, tr("Calibration due"), tr("Calibration due date of the meter"));
    secondCalibrationDue_ =
        AddRow(form, tr("Second calibration due"), tr("Second calibration due date of the meter"));
    date_ = AddRow(form, tr("Meter date"), tr("Date of the meter's clock"));
    clock_ = AddRow(form, tr("Meter clock"), tr("Time of the meter's clock"));
}

void MeterDatesPage::ShowCalibrationDue(uint8_t field1, uint8_t field2, uint8_t field3) {
    calibrationDue_->setText(DateFieldsText(field1, field2, field3));
}

void MeterDatesPage::ShowSecondCalibrationDue(uint8_t field1, uint8_t field2, uint8_t field3) {
    secondCalibrationDue_->setText(DateFieldsText(field1, field2, field3));
}

void MeterDatesPage::ShowDateTime(uint8_t date1, uint8_t date2, uint8_t date3, uint8_t hour,
                                  uint8_t minute, uint8_t second) {
    date_->setText(DateFieldsText(date1, date2, date3));
    clock_->setText(ClockFieldsText(hour, minute, second));
}

}  // namespace varden
