#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <vector>

namespace varden {

// The stored data log downloaded from the meter: one row per reading with its row index,
// time stamp, power (mW), input and serial number. Rows are kept in the order they arrive; the
// time stamp is kept byte for byte, as the export writes it back.
class DataLogModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Row {
        uint16_t index;
        std::string timeStamp;
        float power;
        uint8_t input;
        uint16_t serial;
    };

    enum Column { kIndexColumn, kTimeColumn, kPowerColumn, kInputColumn, kSerialColumn };

    using QAbstractTableModel::QAbstractTableModel;

    // Appends a row; false when the table is full (its count must fit in 16 bits).
    bool Add(Row row);
    void Clear();
    std::size_t Count() const { return rows_.size(); }
    // The row at a position, or null.
    const Row* At(std::size_t position) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Row> rows_;
};

}  // namespace varden
