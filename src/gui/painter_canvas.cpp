#include "gui/painter_canvas.h"

#include <QWidget>

namespace varden {

bool PainterCanvas::FillBackground() {
    painter_.fillRect(area_.rect(), area_.palette().window());
    return true;
}

void PainterCanvas::DrawBitmap(int resourceId, int x, int y) {
    auto found = bitmaps_.find(resourceId);
    if (found != bitmaps_.end()) {
        painter_.drawPixmap(x, y, found->second);
    }
}

}  // namespace varden
