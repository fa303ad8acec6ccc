// Vesk3_map: the world grid. TWorldMap reads the map file (MapFormat.h) once and answers the
// terrain byte of a cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/MapFormat.h"

class TWorldMap {
 public:
  static constexpr int32_t kGridSize = map_file::kGridSize;
  static constexpr size_t kHeaderSize = map_file::kHeaderSize;
  static constexpr size_t kCellCount = map_file::kCellCount;

  // Create: a zeroed map, then LoadMap(FileName). A short file raises platform::InOutError.
  explicit TWorldMap(const std::string& FileName);

  void LoadMap(const std::string& FileName);
  // The terrain byte of cell (X, Y). Cells outside the grid read as kOutsideCell.
  uint8_t CellAt(int32_t X, int32_t Y) const;
  void Release() {}

  uint8_t Width() const { return Header[map_file::kWidthOffset]; }
  uint8_t Height() const { return Header[map_file::kHeightOffset]; }

  // Outside the 100 x 100 grid the world is walled: class 1, blocking and silent.
  static constexpr uint8_t kOutsideCell = 1;

  std::array<uint8_t, kHeaderSize> Header{};
  std::array<uint8_t, kCellCount> Cells{};
};
