#pragma once

#include <QFont>

namespace varden {

// A font `points` larger (or smaller, when negative) than `base`, whether the base is sized in
// points or in pixels.
inline QFont ResizedFont(QFont base, qreal points) {
    if (base.pointSizeF() > 0) {
        base.setPointSizeF(base.pointSizeF() + points);
    } else if (base.pixelSize() > 0) {
        base.setPixelSize(base.pixelSize() + static_cast<int>(points * 4 / 3));
    }
    return base;
}

// The panels are laid out for fixed sizes (the tab panel 354 x 190, the button panel 370 x 81),
// so they use a font one point smaller than the application's.
inline QFont PanelFont(const QFont& base) {
    return ResizedFont(base, -1);
}

}  // namespace varden
