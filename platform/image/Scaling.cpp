#include "platform/image/Scaling.h"

#include <algorithm>
#include <cstring>

namespace platform {

Placement PlacePicture(int32_t pictureWidth, int32_t pictureHeight, int32_t windowWidth,
                       int32_t windowHeight) {
  Placement place;
  if (pictureWidth <= 0 || pictureHeight <= 0) return place;
  place.Scale = std::max(1, std::min(windowWidth / pictureWidth, windowHeight / pictureHeight));
  place.Left = std::max(0, (windowWidth - pictureWidth * place.Scale) / 2);
  place.Top = std::max(0, (windowHeight - pictureHeight * place.Scale) / 2);
  return place;
}

int32_t FittingScale(int32_t pictureWidth, int32_t pictureHeight, int32_t usableWidth,
                     int32_t usableHeight, int32_t frameWidth, int32_t frameHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return 1;
  return std::max(1, std::min((usableWidth - frameWidth) / pictureWidth,
                              (usableHeight - frameHeight) / pictureHeight));
}

Rect ScaledArea(Rect area, const Placement& place, const PixelTarget& target) {
  return {std::clamp(place.Left + area.Left * place.Scale, 0, target.Width),
          std::clamp(place.Top + area.Top * place.Scale, 0, target.Height),
          std::clamp(place.Left + area.Right * place.Scale, 0, target.Width),
          std::clamp(place.Top + area.Bottom * place.Scale, 0, target.Height)};
}

void ScaleArea(const Bitmap& picture, Rect area, const Placement& place,
               const PixelTarget& target) {
  area.Left = std::max(area.Left, 0);
  area.Top = std::max(area.Top, 0);
  area.Right = std::min(area.Right, picture.Width());
  area.Bottom = std::min(area.Bottom, picture.Height());
  const Rect out = ScaledArea(area, place, target);
  if (out.Width() <= 0 || out.Height() <= 0) return;
  const int32_t scale = place.Scale;
  const size_t outBytes = static_cast<size_t>(out.Width()) * sizeof(uint32_t);
  // Each picture row is widened once into the first of its window rows, and the others copy it.
  for (int32_t y = out.Top; y < out.Bottom;) {
    const int32_t sourceY = (y - place.Top) / scale;
    uint32_t* first = target.Pixels + static_cast<size_t>(y) * target.Pitch;
    const uint32_t* source = picture.Row(sourceY);
    if (scale == 1) {
      std::memcpy(first + out.Left, source + (out.Left - place.Left), outBytes);
    } else {
      int32_t x = out.Left;
      for (int32_t sourceX = (x - place.Left) / scale; x < out.Right; ++sourceX) {
        const uint32_t pixel = source[sourceX];
        const int32_t end = std::min(out.Right, place.Left + (sourceX + 1) * scale);
        for (; x < end; ++x) first[x] = pixel;
      }
    }
    const int32_t rowsEnd = std::min(out.Bottom, place.Top + (sourceY + 1) * scale);
    for (++y; y < rowsEnd; ++y) {
      std::memcpy(target.Pixels + static_cast<size_t>(y) * target.Pitch + out.Left,
                  first + out.Left, outBytes);
    }
  }
}

void FillBorders(int32_t pictureWidth, int32_t pictureHeight, const Placement& place,
                 const PixelTarget& target) {
  const Rect inside = ScaledArea(RectAt(0, 0, pictureWidth, pictureHeight), place, target);
  for (int32_t y = 0; y < target.Height; ++y) {
    uint32_t* row = target.Pixels + static_cast<size_t>(y) * target.Pitch;
    if (y < inside.Top || y >= inside.Bottom) {
      std::fill(row, row + target.Width, 0u);
    } else {
      std::fill(row, row + inside.Left, 0u);
      std::fill(row + inside.Right, row + target.Width, 0u);
    }
  }
}

}  // namespace platform
