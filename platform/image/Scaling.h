// Scaling: the picture enlarged by whole pixels for a window larger than the client area, with
// nothing blurred. Placement says where the picture lands in a window of a given size (the largest
// whole scale that fits, centred, the rest black); ScaleArea writes one area of the picture there.
#pragma once

#include <cstdint>

#include "platform/image/Bitmap.h"

namespace platform {

struct Placement {
  int32_t Scale = 1;
  int32_t Left = 0;  // the picture's top-left corner in the window
  int32_t Top = 0;
};

// The largest whole scale at which a picture fits the window, centred; at least 1 (a window
// smaller than the picture shows its top-left part).
Placement PlacePicture(int32_t pictureWidth, int32_t pictureHeight, int32_t windowWidth,
                       int32_t windowHeight);

// The largest whole scale (at least 1) at which a window showing the picture, with its frame
// round it, fits the usable area of the screen (the desktop less its panels).
int32_t FittingScale(int32_t pictureWidth, int32_t pictureHeight, int32_t usableWidth,
                     int32_t usableHeight, int32_t frameWidth, int32_t frameHeight);

// The window's pixels: 32-bit words in the same 0x00RRGGBB layout as a bitmap's.
struct PixelTarget {
  uint32_t* Pixels = nullptr;
  int32_t Pitch = 0;  // words from one row to the next
  int32_t Width = 0;
  int32_t Height = 0;
};

// Writes `area` of `picture`, each pixel as a square of Scale x Scale, where the placement puts it;
// whatever would fall outside the target is left out.
void ScaleArea(const Bitmap& picture, Rect area, const Placement& place, const PixelTarget& target);

// The window's area that `area` of the picture covers, clipped to the target.
Rect ScaledArea(Rect area, const Placement& place, const PixelTarget& target);

// Paints the target black outside the picture.
void FillBorders(int32_t pictureWidth, int32_t pictureHeight, const Placement& place,
                 const PixelTarget& target);

}  // namespace platform
