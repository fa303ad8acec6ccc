// TouchWalk: a touch on a walking view as the arrow key towards the touched point. The view is a
// grid of square cells round the walker's cell; the axis on which the point lies farther from the
// walker's cell, counted in cells, gives the arrow (a tie goes to the vertical one), and a touch
// on the walker's own cell is a key that is no arrow, which looks at the walker's cell again.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/image/Bitmap.h"
#include "platform/input/Keys.h"

namespace platform {

struct TouchWalk {
  Rect View;         // the walking view, in client pixels; empty: touches do not walk
  int32_t CellSize;  // its cells' width and height, in pixels
  Point WalkerCell;  // the walker's cell, counted from the view's top-left cell
};

// The key a touch at client pixel (x, y) stands for; nothing outside the view.
std::optional<KeyStroke> StrokeForTouch(const TouchWalk& walk, int32_t x, int32_t y);

}  // namespace platform
