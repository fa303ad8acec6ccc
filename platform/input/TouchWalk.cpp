#include "platform/input/TouchWalk.h"

#include <cstdlib>

namespace platform {

std::optional<KeyStroke> StrokeForTouch(const TouchWalk& walk, int32_t x, int32_t y) {
  const Rect& view = walk.View;
  if (walk.CellSize <= 0 || !view.Contains(Point{x, y})) return std::nullopt;
  const int32_t across = (x - view.Left) / walk.CellSize - walk.WalkerCell.X;
  const int32_t down = (y - view.Top) / walk.CellSize - walk.WalkerCell.Y;
  uint16_t key = vk::Shift;  // the walker's own cell: a key that types nothing and walks nowhere
  if (std::abs(down) >= std::abs(across) && down != 0) {
    key = down < 0 ? vk::Up : vk::Down;
  } else if (across != 0) {
    key = across < 0 ? vk::Left : vk::Right;
  }
  return StrokeOfKey(key, 0);
}

}  // namespace platform
