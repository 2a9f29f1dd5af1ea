#pragma once

#include <QTableView>

namespace varden {

// A table view sized for the tab panel's small pages: tight rows, alternating row colours,
// and a hint drawn in its middle while the table has no rows or no columns.
class CompactTableView : public QTableView {
    Q_OBJECT
  public:
    explicit CompactTableView(QWidget* parent = nullptr);

    void SetEmptyHint(const QString& hint);
    QString EmptyHint() const { return emptyHint_; }
    // True while the hint is what the view shows.
    bool ShowsEmptyHint() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString emptyHint_;
};

}  // namespace varden
