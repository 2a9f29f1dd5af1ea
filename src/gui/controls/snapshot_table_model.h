#pragma once

#include <QAbstractTableModel>

#include "gui/controls/snapshot_table.h"

namespace varden {

// Shows one block of the snapshot table (the block of one wavelength): a column per
// magnification and a row per intensity level or label, cells in mW. Every change to the
// table goes through here, so the view follows it.
class SnapshotTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    const SnapshotTable& Table() const { return table_; }
    // The wavelength index of the block shown.
    int Block() const { return block_; }
    void SetBlock(int wavelengthIndex);

    void SetWavelengths(std::vector<uint16_t> list);
    void SetMagnifications(std::vector<uint16_t> list);
    void SetIntensityAxis(uint16_t word);
    bool SetIntensityLabel(int row, std::string text);
    void SelectColumn(int wavelength, int magnification);
    std::optional<SnapshotTable::Cell> AddPoint(int level, float watts);
    void ClearPoints();
    void BeginCapture();
    void EndCapture();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  Q_SIGNALS:
    // The wavelength list changed (the block choice must follow).
    void WavelengthsChanged();
    void CaptureChanged();

  private:
    template <typename Change>
    void Reset(Change change);
    bool IsCaptureColumn(int magnification) const;
    QString RowName(int row) const;

    SnapshotTable table_;
    int block_ = 0;
};

}  // namespace varden
