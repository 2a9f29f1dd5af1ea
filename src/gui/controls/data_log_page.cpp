#include "gui/controls/data_log_page.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/controls/compact_table_view.h"
#include "gui/controls/data_log_model.h"

namespace varden {

DataLogPage::DataLogPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    model_ = new DataLogModel(this);
    view_ = new CompactTableView(this);
    view_->setModel(model_);
    view_->setAccessibleName(tr("Stored data log"));
    view_->setToolTip(tr("Readings stored in the meter, as last downloaded"));
    view_->SetEmptyHint(tr("No readings.\nDownload the meter's data log from the Data Log menu."));
    view_->verticalHeader()->hide();
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = view_->horizontalHeader();
    // The last column takes what is left; a default wider than that would push it out of view.
    header->setMinimumSectionSize(24);
    header->setDefaultSectionSize(40);
    const QFontMetrics metrics(view_->font());
    const auto fit = [&](int column, const char* sample) {
        header->resizeSection(column, metrics.horizontalAdvance(QLatin1String(sample)) + 10);
    };
    fit(DataLogModel::kIndexColumn, "999");
    fit(DataLogModel::kTimeColumn, "0000-00-00 00:00:00");
    fit(DataLogModel::kPowerColumn, "Power mW");
    fit(DataLogModel::kInputColumn, "Input");
    header->setStretchLastSection(true);
    layout->addWidget(view_);
}

}  // namespace varden
