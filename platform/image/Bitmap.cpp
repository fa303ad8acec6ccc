#include "platform/image/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/image/ChangeLog.h"

namespace platform {

uint64_t Bitmap::NewStamp() {
  static uint64_t last = 0;
  return ++last;
}

Bitmap::Bitmap(int32_t width, int32_t height) { SetSize(width, height); }

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_),
      height_(other.height_),
      fillColor_(other.fillColor_),
      pixels_(other.pixels_) {}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(other.width_),
      height_(other.height_),
      fillColor_(other.fillColor_),
      pixels_(std::move(other.pixels_)) {
  other.width_ = other.height_ = 0;
  other.stamp_ = NewStamp();
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) *this = Bitmap(other);
  return *this;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  fillColor_ = other.fillColor_;
  pixels_ = std::move(other.pixels_);
  other.width_ = other.height_ = 0;
  other.stamp_ = NewStamp();
  stamp_ = NewStamp();
  for (int32_t y = 0; changes_ && y < height_; ++y) changes_->Changed(y, 0, width_);
  return *this;
}

void Bitmap::SetSize(int32_t width, int32_t height) {
  stamp_ = NewStamp();
  if (width <= 0 || height <= 0) {
    width_ = height_ = 0;
    pixels_.clear();
    return;
  }
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, ToPixel(kWhite).Value);
  for (int32_t y = 0; changes_ && y < height_; ++y) changes_->Changed(y, 0, width_);
}

uint32_t* Bitmap::Row(int32_t y) {
  stamp_ = NewStamp();
  if (changes_) changes_->Changed(y, 0, width_);
  return Line(y);
}

// Whether eight pixels agree, compared a word pair at a time without a call.
static bool SameRun(const uint32_t* a, const uint32_t* b) {
  uint64_t x[4], y[4];
  std::memcpy(x, a, sizeof x);
  std::memcpy(y, b, sizeof y);
  return ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) == 0;
}

// The part of `area` that lies inside a width x height image.
static Rect ClipTo(Rect area, int32_t width, int32_t height) {
  area.Left = std::max(area.Left, 0);
  area.Top = std::max(area.Top, 0);
  area.Right = std::min(area.Right, width);
  area.Bottom = std::min(area.Bottom, height);
  return area;
}

void Bitmap::FillRect(Rect area, ColorWord color) {
  area = ClipTo(area, width_, height_);
  if (area.Width() <= 0 || area.Height() <= 0) return;
  stamp_ = NewStamp();
  const uint32_t pixel = ToPixel(color).Value;
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    uint32_t* row = Line(y);
    int32_t left = area.Left, right = area.Right;
    if (changes_) {
      // Only the part that is not yet this colour changes.
      while (left < right && row[left] == pixel) ++left;
      while (right > left && row[right - 1] == pixel) --right;
      changes_->Changed(y, left, right);
    }
    std::fill(row + left, row + right, pixel);
  }
}

void Bitmap::SetPixel(int32_t x, int32_t y, ColorWord color) {
  if (!Contains(x, y)) return;
  const uint32_t pixel = ToPixel(color).Value;
  uint32_t& target = Line(y)[x];
  if (target == pixel) return;
  target = pixel;
  stamp_ = NewStamp();
  if (changes_) changes_->Changed(y, x, x + 1);
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
  if (!changes_ || &source == this) {
    CopyRows(dx, dy, source, sx, sy, width, height);
    return;
  }
  // A surface that is shown: a copy of what the area already holds (a pane presented again
  // unchanged) costs nothing, and otherwise only the pixels that differ are written and recorded.
  const Rect to = RectAt(dx, dy, width, height), from = RectAt(sx, sy, width, height);
  if (changes_->Holds(to, source.stamp_, from)) return;
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  for (int32_t row = 0; row < height; ++row) {
    uint32_t* target = Line(dy + row) + dx;
    const uint32_t* pixels = source.Row(sy + row) + sx;
    if (std::memcmp(target, pixels, rowBytes) == 0) continue;
    int32_t left = 0, right = width;
    // Eight pixels at a time while they agree (the view after a step holds long equal runs).
    constexpr int32_t kRun = 8;
    while (left + kRun <= right && SameRun(target + left, pixels + left)) left += kRun;
    while (target[left] == pixels[left]) ++left;
    while (right - kRun >= left && SameRun(target + right - kRun, pixels + right - kRun)) {
      right -= kRun;
    }
    while (target[right - 1] == pixels[right - 1]) --right;
    std::memcpy(target + left, pixels + left, static_cast<size_t>(right - left) * sizeof(uint32_t));
    changes_->Changed(dy + row, dx + left, dx + right);
    stamp_ = NewStamp();
  }
  changes_->RememberCopy(to, source.stamp_, from);
}

void Bitmap::CopyRows(int32_t dx, int32_t dy, const Bitmap& source, int32_t sx, int32_t sy,
                      int32_t width, int32_t height) {
  stamp_ = NewStamp();
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  // Within one bitmap, walk the rows against the direction of the move so nothing is read after
  // it was overwritten; memmove takes care of the overlap inside a row.
  const bool upwards = (&source == this) && dy > sy;
  for (int32_t i = 0; i < height; ++i) {
    const int32_t row = upwards ? height - 1 - i : i;
    std::memmove(Line(dy + row) + dx, source.Row(sy + row) + sx, rowBytes);
    if (changes_) changes_->Changed(dy + row, dx, dx + width);
  }
}

void Bitmap::Draw(int32_t x, int32_t y, const Bitmap& source) {
  CopyRect(RectAt(x, y, source.width_, source.height_), source,
           RectAt(0, 0, source.width_, source.height_));
}

}  // namespace platform
