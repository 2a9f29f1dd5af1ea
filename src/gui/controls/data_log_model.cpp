#include "gui/controls/data_log_model.h"

#include <limits>

#include "gui/controls/reading_text.h"

namespace varden {

bool DataLogModel::Add(Row row) {
    if (rows_.size() >= std::numeric_limits<uint16_t>::max()) {
        return false;
    }
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
    return true;
}

void DataLogModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

const DataLogModel::Row* DataLogModel::At(std::size_t position) const {
    return position < rows_.size() ? &rows_[position] : nullptr;
}

int DataLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DataLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSerialColumn + 1;
}

QVariant DataLogModel::data(const QModelIndex& index, int role) const {
    const Row* row = At(static_cast<std::size_t>(index.row()));
    if (row == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == kTimeColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
        case kIndexColumn: return QString::number(row->index);
        case kTimeColumn: return FromBytes(row->timeStamp);
        case kPowerColumn: return QString::number(static_cast<double>(row->power), 'f', 3);
        case kInputColumn: return QString::number(row->input);
        case kSerialColumn: return QString::number(row->serial);
        default: return {};
    }
}

QVariant DataLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        switch (section) {
            case kIndexColumn: return tr("#");
            case kTimeColumn: return tr("Time stamp");
            case kPowerColumn: return tr("Power mW");
            case kInputColumn: return tr("Input");
            case kSerialColumn: return tr("Serial");
            default: return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
            case kIndexColumn: return tr("Row index of the reading");
            case kPowerColumn: return tr("Power in mW");
            case kInputColumn: return tr("Input of the meter the reading was taken on");
            case kSerialColumn: return tr("Serial number delivered with the reading");
            default: return {};
        }
    }
    return {};
}

}  // namespace varden
