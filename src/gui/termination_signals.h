#pragma once

#include <QObject>

class QSocketNotifier;

namespace varden {

// Turns SIGTERM and SIGINT into an ordinary close of the window, so the light sources are
// released as at any other exit.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

  Q_SIGNALS:
    void TerminationRequested();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace varden
