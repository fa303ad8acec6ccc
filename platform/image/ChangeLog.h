// ChangeLog: what changed on a surface that a window shows, so the window puts only that on the
// screen. A bitmap with a change log records every write that changes a pixel, row by row; a copy
// that would put back exactly what a region already holds (a pane presented again unchanged) is
// recognised and costs nothing. A walking key changes the map view, a typed letter a few cells of
// the input pane, a cursor blink one 8 x 16 cell; a timer tick that draws nothing changes nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image/Bitmap.h"

namespace platform {

class ChangeLog {
 public:
  explicit ChangeLog(int32_t height);

  // Pixels `left` to `right` (exclusive) of row y changed.
  void Changed(int32_t y, int32_t left, int32_t right);
  // Whether `dest` holds `area` of the bitmap contents marked `stamp`, copied there and not
  // changed since.
  bool Holds(const Rect& dest, uint64_t stamp, const Rect& area) const;
  void RememberCopy(const Rect& dest, uint64_t stamp, const Rect& area);
  // The areas changed since the last call, as few rectangles that hold every changed pixel
  // (changes close to each other share one).
  std::vector<Rect> TakeAreas();

 private:
  struct Span {
    int32_t Left = 0, Right = 0;  // empty when Left >= Right
  };
  struct Copy {
    Rect Dest;
    uint64_t Stamp;
    Rect Area;
  };
  std::vector<Span> rows_;
  int32_t firstRow_, lastRow_;  // the rows that hold changes, when firstRow_ <= lastRow_
  std::vector<Copy> copies_;
};

}  // namespace platform
