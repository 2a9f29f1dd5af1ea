#pragma once

#include <QPainter>
#include <QPixmap>
#include <map>

#include "core/app/bitmap_canvas.h"

class QWidget;

namespace varden {

// Background drawing onto the client area with a QPainter.
class PainterCanvas : public BitmapCanvas {
  public:
    PainterCanvas(QPainter& painter, const QWidget& area, const std::map<int, QPixmap>& bitmaps)
        : painter_(painter), area_(area), bitmaps_(bitmaps) {}

    bool FillBackground() override;
    void DrawBitmap(int resourceId, int x, int y) override;

  private:
    QPainter& painter_;
    const QWidget& area_;
    const std::map<int, QPixmap>& bitmaps_;
};

}  // namespace varden
