// InputMethodSpot: where a desktop input method opens its candidate and composition windows, in
// the window's coordinates: the form's caret cell, scaled and moved as the picture stands in the
// window. It answers only when that spot moved, so a backend tells the input method again when the
// caret moves or the window is resized, and not on every frame.
#pragma once

#include <optional>

#include "platform/image/Bitmap.h"
#include "platform/image/Scaling.h"

namespace platform {

class InputMethodSpot {
 public:
  // The spot in the window for `caret` (in client pixels) with the picture placed at `place`;
  // nothing when it is the spot last answered.
  std::optional<Rect> Moved(Rect caret, const Placement& place);

 private:
  std::optional<Rect> last_;
};

}  // namespace platform
