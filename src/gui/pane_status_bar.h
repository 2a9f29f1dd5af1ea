#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace varden {

// The status bar along the bottom of the window: four sunken text panes whose right edges
// are given in pixels.
class PaneStatusBar : public QWidget {
    Q_OBJECT
  public:
    explicit PaneStatusBar(QWidget* parent = nullptr);

    void SetPaneEdges(const std::array<int, 4>& rightEdges);
    void SetPaneText(int pane, const QString& text);
    QString PaneText(int pane) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void LayOutPanes();

    std::array<QLabel*, 4> panes_{};
    std::array<int, 4> edges_{};
};

}  // namespace varden
