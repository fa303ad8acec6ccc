// Bitmap: a 32-bit off-screen image with directly addressable rows.
// Pixels are stored as 0x00RRGGBB words; colours handed in by game code are colour words and are
// converted on the way in. One current fill colour serves every rectangle fill that names no
// colour of its own. Every write is clipped to the bitmap, so a pixel or rectangle outside it is
// simply not written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/image/Color.h"

namespace platform {

struct Point {
  int32_t X = 0;
  int32_t Y = 0;
};

// Left and Top inclusive, Right and Bottom exclusive.
struct Rect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool Contains(Point at) const {
    return at.X >= Left && at.X < Right && at.Y >= Top && at.Y < Bottom;
  }
};

constexpr Rect RectAt(int32_t left, int32_t top, int32_t width, int32_t height) {
  return Rect{left, top, left + width, top + height};
}

class ChangeLog;

class Bitmap {
 public:
  Bitmap() = default;  // empty: no size, no pixels
  Bitmap(int32_t width, int32_t height);
  // A copy has the same pixels, a stamp of its own and no change log.
  Bitmap(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(const Bitmap& other);
  Bitmap& operator=(Bitmap&& other) noexcept;

  // Gives the bitmap a new size and paints it whole white. A size of 0 (or less) empties it.
  void SetSize(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }

  // Row y (0 = top); x-th word is pixel x, a raw 0x00RRGGBB word as the screen and image files
  // take it. y must lie inside the bitmap. Taking a row to write counts as changing all of it.
  uint32_t* Row(int32_t y);
  const uint32_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  bool Contains(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }
  // The pixel at (x, y), black outside the bitmap.
  platform::Pixel Pixel(int32_t x, int32_t y) const {
    return platform::Pixel(Contains(x, y) ? Row(y)[x] : 0);
  }

  // The current fill colour, white after creation.
  void SetFillColor(ColorWord color) { fillColor_ = color; }

  // Fills `area` with the current fill colour.
  void FillRect(Rect area) { FillRect(area, fillColor_); }
  // Fills `area` with `color`, leaving the current fill colour as it is.
  void FillRect(Rect area, ColorWord color);
  // Sets one pixel; a pixel outside the bitmap is dropped.
  void SetPixel(int32_t x, int32_t y, ColorWord color);
  // Copies the source rectangle of `source` onto `dest` of this bitmap, pixel for pixel; the
  // rectangles have the same size (where they do not, the common top-left part is copied).
  // `source` may be this bitmap itself; overlapping copies behave as if through a buffer.
  void CopyRect(Rect dest, const Bitmap& source, Rect sourceArea);
  // Draws the whole of `source` with its top-left corner at (x, y).
  void Draw(int32_t x, int32_t y, const Bitmap& source);

  // A number that marks the present contents: every change, and every new bitmap or copy, gets
  // one never used before, so equal stamps mean equal pixels.
  uint64_t Stamp() const { return stamp_; }
  // From now on every write that changes a pixel is recorded in `log` (which outlives the
  // bitmap, or is detached with nullptr), and writes that would change none cost a comparison.
  void SetChangeLog(ChangeLog* log) { changes_ = log; }

 private:
  static uint64_t NewStamp();
  uint32_t* Line(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  void CopyRows(int32_t dx, int32_t dy, const Bitmap& source, int32_t sx, int32_t sy, int32_t width,
                int32_t height);

  int32_t width_ = 0;
  int32_t height_ = 0;
  ColorWord fillColor_ = kWhite;
  std::vector<uint32_t> pixels_;
  uint64_t stamp_ = NewStamp();
  ChangeLog* changes_ = nullptr;
};

}  // namespace platform
