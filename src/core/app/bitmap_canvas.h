#pragma once

namespace varden {

// Where the background drawing goes: the window's erase step and bitmap copies.
class BitmapCanvas {
  public:
    virtual ~BitmapCanvas() = default;
    // Fills the client area with the dialog background colour; returns whether it did.
    virtual bool FillBackground() = 0;
    // Copies bitmap resource `resourceId` at its natural size to (x, y) of the client area.
    virtual void DrawBitmap(int resourceId, int x, int y) = 0;
};

}  // namespace varden
