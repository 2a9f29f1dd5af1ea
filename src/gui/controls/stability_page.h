#pragma once

#include <QWidget>

class QPushButton;

namespace varden {

class ReadoutSpinBox;

// Tab page 5: start, pause/resume and stop of a stability recording and its sampling interval.
// The strip chart is placed on this page from outside, at x 50, y 15, 280 x 130, so the
// controls keep to the column on its left and the strip below it.
class StabilityPage : public QWidget {
    Q_OBJECT
  public:
    // Sampling intervals the operator can choose, in seconds.
    static constexpr int kMinInterval = 1;
    static constexpr int kMaxInterval = 3600;
    static constexpr int kDefaultInterval = 10;

    explicit StabilityPage(QWidget* parent = nullptr);

    QPushButton* StartButton() const { return start_; }
    QPushButton* PauseButton() const { return pause_; }
    QPushButton* StopButton() const { return stop_; }
    ReadoutSpinBox* Interval() const { return interval_; }

  Q_SIGNALS:
    // 0 start, 1 pause or resume, 2 stop.
    void CommandRaised(quint8 action);
    void IntervalEntered(quint16 seconds);

  private:
    QPushButton* AddCommand(const QString& text, const QString& name, const QString& tip, int y,
                            quint8 action);

    QPushButton* start_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* stop_ = nullptr;
    ReadoutSpinBox* interval_ = nullptr;
};

}  // namespace varden
