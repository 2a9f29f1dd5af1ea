#pragma once

#include <QWidget>

namespace varden {

class CompactTableView;
class DataLogModel;

// Tab page 3: the stored data log table.
class DataLogPage : public QWidget {
    Q_OBJECT
  public:
    explicit DataLogPage(QWidget* parent = nullptr);

    DataLogModel& Model() const { return *model_; }
    CompactTableView* View() const { return view_; }

  private:
    DataLogModel* model_ = nullptr;
    CompactTableView* view_ = nullptr;
};

}  // namespace varden
