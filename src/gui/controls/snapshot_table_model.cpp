#include "gui/controls/snapshot_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "gui/controls/reading_text.h"

namespace varden {

template <typename Change>
void SnapshotTableModel::Reset(Change change) {
    beginResetModel();
    change();
    endResetModel();
}

void SnapshotTableModel::SetBlock(int wavelengthIndex) {
    if (wavelengthIndex != block_) {
        Reset([&] { block_ = wavelengthIndex; });
    }
}

void SnapshotTableModel::SetWavelengths(std::vector<uint16_t> list) {
    Reset([&] { table_.SetWavelengths(std::move(list)); });
    Q_EMIT WavelengthsChanged();
}

void SnapshotTableModel::SetMagnifications(std::vector<uint16_t> list) {
    Reset([&] { table_.SetMagnifications(std::move(list)); });
}

void SnapshotTableModel::SetIntensityAxis(uint16_t word) {
    if (word != table_.IntensityAxis()) {
        Reset([&] { table_.SetIntensityAxis(word); });
    }
}

bool SnapshotTableModel::SetIntensityLabel(int row, std::string text) {
    if (!table_.SetIntensityLabel(row, std::move(text))) {
        return false;
    }
    if (table_.LabelMode() && row < table_.RowCount()) {
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    }
    return true;
}

void SnapshotTableModel::SelectColumn(int wavelength, int magnification) {
    table_.SelectColumn(wavelength, magnification);
    Q_EMIT CaptureChanged();
    if (columnCount() > 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

std::optional<SnapshotTable::Cell> SnapshotTableModel::AddPoint(int level, float watts) {
    const std::optional<SnapshotTable::Cell> cell = table_.AddPoint(level, watts);
    if (cell && cell->wavelength == block_) {
        const QModelIndex changed = index(cell->row, cell->magnification);
        Q_EMIT dataChanged(changed, changed);
    }
    return cell;
}

void SnapshotTableModel::ClearPoints() {
    table_.ClearPoints();
    if (rowCount() > 0 && columnCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

void SnapshotTableModel::BeginCapture() {
    table_.BeginCapture();
    SelectColumn(table_.SelectedWavelength(), table_.SelectedMagnification());
}

void SnapshotTableModel::EndCapture() {
    table_.EndCapture();
    SelectColumn(table_.SelectedWavelength(), table_.SelectedMagnification());
}

int SnapshotTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.RowCount();
}

int SnapshotTableModel::columnCount(const QModelIndex& parent) const {
    const bool blockExists = block_ >= 0 && block_ < static_cast<int>(table_.Wavelengths().size());
    return parent.isValid() || !blockExists ? 0 : static_cast<int>(table_.Magnifications().size());
}

bool SnapshotTableModel::IsCaptureColumn(int magnification) const {
    return table_.Capturing() && table_.SelectedWavelength() == block_ &&
           table_.SelectedMagnification() == magnification;
}

QString SnapshotTableModel::RowName(int row) const {
    if (!table_.LabelMode()) {
        return QStringLiteral("%1%").arg(table_.RowLevel(row));
    }
    const QString label = FromBytes(table_.IntensityLabel(row));
    return label.isEmpty() ? tr("Label %1").arg(row + 1) : label;
}

QVariant SnapshotTableModel::data(const QModelIndex& index, int role) const {
    const std::optional<float> point = table_.Point(block_, index.column(), index.row());
    if (!table_.HasCell(block_, index.column(), index.row())) {
        return {};
    }
    const bool noReading = point && *point == SnapshotTable::kNoReading;
    switch (role) {
        case Qt::DisplayRole:
            if (!point) {
                return QString();
            }
            // Three decimals, as the snapshot file has them.
            return noReading ? kNoValue
                             : QString::number(static_cast<double>(*point) * 1000.0, 'f', 3);
        case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return IsCaptureColumn(index.column()) ? QVariant(QBrush(QColor(0xdd, 0xeb, 0xfa)))
                                                   : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole: {
            const QString where =
                tr("%1 nm, %2X, %3")
                    .arg(table_.Wavelengths()[static_cast<std::size_t>(block_)])
                    .arg(table_.Magnifications()[static_cast<std::size_t>(index.column())])
                    .arg(RowName(index.row()));
            const QString what = !point      ? tr("empty")
                                 : noReading ? tr("no reading")
                                             : MilliwattText(static_cast<double>(*point) * 1000.0);
            return QStringLiteral("%1: %2").arg(where, what);
        }
        default: return {};
    }
}

QVariant SnapshotTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) {
            return {};
        }
        if (role == Qt::DisplayRole) {
            return QStringLiteral("%1X").arg(
                table_.Magnifications()[static_cast<std::size_t>(section)]);
        }
        if (role == Qt::ToolTipRole && IsCaptureColumn(section)) {
            return tr("Capture in progress");
        }
        if (role == Qt::FontRole && IsCaptureColumn(section)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    if (section < 0 || section >= rowCount() || role != Qt::DisplayRole) {
        return {};
    }
    return RowName(section);
}

}  // namespace varden
