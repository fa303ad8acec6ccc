#include "platform/image/ChangeLog.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

constexpr int32_t kJoinGap = 16;   // changes this few pixels apart share a rectangle
constexpr int32_t kJoinRows = 16;  // so do rows this close (the gap between two lines of text)
constexpr size_t kMostAreas = 8;   // beyond this, one rectangle round all is cheaper to show
constexpr size_t kMostCopies = 8;  // copies remembered (the panes, the view, the cursor cell)

bool Overlap(const Rect& a, const Rect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

bool Same(const Rect& a, const Rect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// Joins rectangles that overlap, until none does.
void JoinOverlapping(std::vector<Rect>& areas) {
  for (size_t i = 0; i < areas.size();) {
    const auto other = std::find_if(areas.begin() + static_cast<std::ptrdiff_t>(i) + 1, areas.end(),
                                    [&](const Rect& area) { return Overlap(areas[i], area); });
    if (other == areas.end()) {
      ++i;
      continue;
    }
    areas[i] = Union(areas[i], *other);
    areas.erase(other);
    i = 0;
  }
}

}  // namespace

ChangeLog::ChangeLog(int32_t height)
    : rows_(static_cast<size_t>(std::max(height, 0))),
      firstRow_(std::numeric_limits<int32_t>::max()),
      lastRow_(-1) {}

void ChangeLog::Changed(int32_t y, int32_t left, int32_t right) {
  if (y < 0 || y >= static_cast<int32_t>(rows_.size()) || left >= right) return;
  Span& row = rows_[static_cast<size_t>(y)];
  if (row.Left >= row.Right) {
    row = {left, right};
  } else {
    row = {std::min(row.Left, left), std::max(row.Right, right)};
  }
  firstRow_ = std::min(firstRow_, y);
  lastRow_ = std::max(lastRow_, y);
  const Rect changed{left, y, right, y + 1};
  std::erase_if(copies_, [&](const Copy& copy) { return Overlap(copy.Dest, changed); });
}

bool ChangeLog::Holds(const Rect& dest, uint64_t stamp, const Rect& area) const {
  return std::any_of(copies_.begin(), copies_.end(), [&](const Copy& copy) {
    return copy.Stamp == stamp && Same(copy.Dest, dest) && Same(copy.Area, area);
  });
}

void ChangeLog::RememberCopy(const Rect& dest, uint64_t stamp, const Rect& area) {
  std::erase_if(copies_, [&](const Copy& copy) { return Overlap(copy.Dest, dest); });
  if (copies_.size() >= kMostCopies) copies_.erase(copies_.begin());
  copies_.push_back({dest, stamp, area});
}

std::vector<Rect> ChangeLog::TakeAreas() {
  std::vector<Rect> areas;
  for (int32_t y = firstRow_; y <= lastRow_; ++y) {
    Span& span = rows_[static_cast<size_t>(y)];
    if (span.Left >= span.Right) continue;
    // A row's change continues an area above it that lies close enough, or starts one.
    const Rect reach{span.Left - kJoinGap, y - kJoinRows, span.Right + kJoinGap, y + 1};
    const Rect row{span.Left, y, span.Right, y + 1};
    const auto near = std::find_if(areas.begin(), areas.end(),
                                   [&](const Rect& area) { return Overlap(area, reach); });
    if (near != areas.end()) {
      *near = Union(*near, row);
    } else {
      areas.push_back(row);
    }
    span = {};
  }
  firstRow_ = std::numeric_limits<int32_t>::max();
  lastRow_ = -1;
  JoinOverlapping(areas);
  if (areas.size() > kMostAreas) {
    Rect all = areas.front();
    for (const Rect& area : areas) all = Union(all, area);
    areas.assign(1, all);
  }
  return areas;
}

}  // namespace platform
