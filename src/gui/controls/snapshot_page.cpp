#include "gui/controls/snapshot_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/controls/compact_table_view.h"
#include "gui/controls/snapshot_table_model.h"

namespace varden {

SnapshotPage::SnapshotPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 3, 4, 2);
    layout->setSpacing(2);
    model_ = new SnapshotTableModel(this);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    auto* blockLabel = new QLabel(tr("Filte&r set"), this);
    block_ = new QComboBox(this);
    block_->setAccessibleName(tr("Filter set shown"));
    block_->setToolTip(tr("Wavelength of the filter set whose readings the table shows"));
    block_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    blockLabel->setBuddy(block_);
    status_ = new QLabel(this);
    status_->setAccessibleName(tr("Capture status"));
    status_->setForegroundRole(QPalette::PlaceholderText);
    top->addWidget(blockLabel);
    top->addWidget(block_);
    top->addStretch(1);
    top->addWidget(status_);
    layout->addLayout(top);

    view_ = new CompactTableView(this);
    view_->setModel(model_);
    view_->setAccessibleName(tr("Power snapshot table"));
    view_->setToolTip(
        tr("Power in mW per intensity and magnification.\n"
           "Double-click a cell or press Enter to capture the current reading into it."));
    view_->SetEmptyHint(
        tr("No wavelengths or magnifications.\nSet them in Power SnapShot > Axis Setup."));
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->horizontalHeader()->setDefaultSectionSize(
        view_->fontMetrics().horizontalAdvance(QStringLiteral("000.000")) + 10);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->installEventFilter(this);
    layout->addWidget(view_, 1);
    connect(view_, &QAbstractItemView::doubleClicked, this, &SnapshotPage::ChooseCell);

    connect(block_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_->SetBlock(index); });
    connect(model_, &SnapshotTableModel::WavelengthsChanged, this, &SnapshotPage::FillBlockChoice);
    connect(model_, &SnapshotTableModel::CaptureChanged, this, &SnapshotPage::ShowCaptureStatus);
    FillBlockChoice();
    ShowCaptureStatus();
}

bool SnapshotPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            view_->currentIndex().isValid()) {
            ChooseCell(view_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SnapshotPage::FillBlockChoice() {
    const int shown = block_->currentIndex();
    const QSignalBlocker quiet(block_);
    block_->clear();
    for (const uint16_t nm : model_->Table().Wavelengths()) {
        block_->addItem(tr("%1 nm").arg(nm));
    }
    block_->setEnabled(block_->count() > 0);
    const int keep = shown >= 0 && shown < block_->count() ? shown : 0;
    block_->setCurrentIndex(block_->count() > 0 ? keep : -1);
    model_->SetBlock(keep);
}

void SnapshotPage::ShowCaptureStatus() {
    const SnapshotTable& table = model_->Table();
    const int w = table.SelectedWavelength();
    const int m = table.SelectedMagnification();
    const bool known = w >= 0 && w < static_cast<int>(table.Wavelengths().size()) && m >= 0 &&
                       m < static_cast<int>(table.Magnifications().size());
    if (table.Capturing() && known) {
        status_->setText(tr("Capturing %1 nm, %2X")
                             .arg(table.Wavelengths()[static_cast<std::size_t>(w)])
                             .arg(table.Magnifications()[static_cast<std::size_t>(m)]));
        // Bring the block being captured into view.
        if (block_->currentIndex() != w) {
            block_->setCurrentIndex(w);
        }
    } else {
        status_->setText(tr("Power in mW"));
    }
}

void SnapshotPage::ChooseCell(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    Q_EMIT CellChosen(static_cast<quint8>(model_->Block()), static_cast<quint8>(index.column()),
                      static_cast<quint8>(index.row()));
}

}  // namespace varden
