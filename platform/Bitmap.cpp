#include "platform/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace platform {

Bitmap::Bitmap(int32_t width, int32_t height) { SetSize(width, height); }

void Bitmap::SetSize(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) {
    width_ = height_ = 0;
    pixels_.clear();
    return;
  }
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, kWhite);
}

// The part of `area` that lies inside a width x height image.
static Rect ClipTo(Rect area, int32_t width, int32_t height) {
  area.Left = std::max(area.Left, 0);
  area.Top = std::max(area.Top, 0);
  area.Right = std::min(area.Right, width);
  area.Bottom = std::min(area.Bottom, height);
  return area;
}

void Bitmap::FillRect(Rect area) {
  area = ClipTo(area, width_, height_);
  if (area.Width() <= 0 || area.Height() <= 0) return;
  const uint32_t pixel = ColorToPixel(fillColor_);
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    std::fill(Row(y) + area.Left, Row(y) + area.Right, pixel);
  }
}

void Bitmap::SetPixel(int32_t x, int32_t y, uint32_t color) {
  if (Contains(x, y)) Row(y)[x] = ColorToPixel(color);
}

void Bitmap::CopyRect(Rect dest, const Bitmap& source, Rect sourceArea) {
  // Copy the common size, then cut both rectangles together wherever either leaves its image.
  int32_t width = std::min(dest.Width(), sourceArea.Width());
  int32_t height = std::min(dest.Height(), sourceArea.Height());
  int32_t dx = dest.Left, dy = dest.Top, sx = sourceArea.Left, sy = sourceArea.Top;
  const int32_t cutLeft = std::max({0, -dx, -sx});
  const int32_t cutTop = std::max({0, -dy, -sy});
  dx += cutLeft;
  sx += cutLeft;
  width -= cutLeft;
  dy += cutTop;
  sy += cutTop;
  height -= cutTop;
  width = std::min({width, width_ - dx, source.width_ - sx});
  height = std::min({height, height_ - dy, source.height_ - sy});
  if (width <= 0 || height <= 0) return;

  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  // Within one bitmap, walk the rows against the direction of the move so nothing is read after
  // it was overwritten; memmove takes care of the overlap inside a row.
  const bool upwards = (&source == this) && dy > sy;
  for (int32_t i = 0; i < height; ++i) {
    const int32_t row = upwards ? height - 1 - i : i;
    std::memmove(Row(dy + row) + dx, source.Row(sy + row) + sx, rowBytes);
  }
}

void Bitmap::Draw(int32_t x, int32_t y, const Bitmap& source) {
  CopyRect(RectAt(x, y, source.width_, source.height_), source,
           RectAt(0, 0, source.width_, source.height_));
}

}  // namespace platform
