// WindowPlacement: where the desktop window opens and at what size, worked out from the screen's
// usable area alone (the desktop less its panels), so that the rules that decide it are tested
// without a display: a scale too large for the screen is lowered, a size the player left the
// window at is held to the screen, and the window is centred with the window manager's frame
// counted.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/image/Bitmap.h"

namespace platform {

// Room for the window manager's frame round the client area: borders at the sides and below, a
// title bar above.
constexpr int32_t kFrameSide = 5;
constexpr int32_t kFrameTop = 35;
constexpr int32_t kFrameWidth = 2 * kFrameSide;
constexpr int32_t kFrameHeight = kFrameTop + kFrameSide;

struct WindowRequest {
  int32_t ClientWidth = 0, ClientHeight = 0;  // the picture, in its own pixels
  int32_t Scale = 0;                          // the player's; 0: the largest that fits
  // The window's size as the player last left it, used when no scale is asked for; 0: none.
  int32_t WindowWidth = 0, WindowHeight = 0;
  std::optional<Rect> Usable;  // the screen less its panels, when the system tells it
};

struct WindowPlace {
  int32_t Scale = 1;
  bool ScaleLowered = false;  // the player's scale did not fit the screen
  int32_t Width = 0, Height = 0;
  // The client area's top-left corner on the screen; nothing when the usable area is unknown,
  // and the window system is to centre the window itself.
  std::optional<Point> Corner;
};

WindowPlace PlaceWindow(const WindowRequest& request);

}  // namespace platform
