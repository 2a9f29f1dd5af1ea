#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace varden {

// The client area of the main window: it draws the background through the controller and
// hands left clicks to it, in client coordinates.
class ClientArea : public QWidget {
    Q_OBJECT
  public:
    explicit ClientArea(QWidget* parent = nullptr);

    std::function<void(QPainter&)> paintBackground;
    std::function<void(int x, int y)> leftButtonDown;
    std::function<void()> resized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace varden
