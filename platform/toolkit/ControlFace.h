// ControlFace: a face of the system's fonts for the window's own controls (the event log, the
// typing-mode field). The toolkit draws with it when a backend finds one that covers Hangul, and
// with the game's bitmap fonts otherwise; it never knows which font library lies behind it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/image/Bitmap.h"

namespace platform {

class ControlFace {
 public:
  virtual ~ControlFace() = default;
  // The width in pixels that Draw gives `utf8`.
  virtual int32_t Width(const std::string& utf8) const = 0;
  // Draws UTF-8 text with its top-left corner at (x, y), blended over what the surface holds,
  // clipped to `clip`.
  virtual void Draw(Bitmap& surface, Rect clip, int32_t x, int32_t y, const std::string& utf8,
                    ColorWord color) const = 0;
};

// Finds the face at a pixel height, or nothing.
using ControlFaceFinder = std::function<std::unique_ptr<ControlFace>(int pixelHeight)>;

}  // namespace platform
