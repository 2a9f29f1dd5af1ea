#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace varden {

class CompactTableView;
class SnapshotTableModel;

// Tab page 4: the power snapshot table, one block per wavelength chosen above the table.
// Choosing a cell (double-click or Enter) asks for the current reading to be captured into it.
class SnapshotPage : public QWidget {
    Q_OBJECT
  public:
    explicit SnapshotPage(QWidget* parent = nullptr);

    SnapshotTableModel& Model() const { return *model_; }
    CompactTableView* View() const { return view_; }
    QComboBox* BlockChoice() const { return block_; }
    QLabel* CaptureStatus() const { return status_; }

  Q_SIGNALS:
    void CellChosen(quint8 wavelengthIndex, quint8 magnificationIndex, quint8 row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillBlockChoice();
    void ShowCaptureStatus();
    void ChooseCell(const QModelIndex& index);

    SnapshotTableModel* model_ = nullptr;
    CompactTableView* view_ = nullptr;
    QComboBox* block_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace varden
