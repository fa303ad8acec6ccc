// Vesk3_map: the world grid. TWorldMap reads the map file once (a 96-byte header whose bytes 11
// and 12 are the map's width and height, then 100 x 100 terrain bytes) and answers the terrain
// byte of a cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class TWorldMap {
 public:
  static constexpr int32_t kGridSize = 100;
  static constexpr size_t kHeaderSize = 96;
  static constexpr size_t kCellCount = kGridSize * kGridSize;

  // Create: a zeroed map, then LoadMap(FileName). A short file raises platform::InOutError.
  explicit TWorldMap(const std::string& FileName);

  void LoadMap(const std::string& FileName);
  // The terrain byte of cell (X, Y). Cells outside the grid read as kOutsideCell.
  uint8_t CellAt(int32_t X, int32_t Y) const;
  void Release() {}

  uint8_t Width() const { return Header[11]; }
  uint8_t Height() const { return Header[12]; }

  // Outside the 100 x 100 grid the world is walled: class 1, blocking and silent.
  static constexpr uint8_t kOutsideCell = 1;

  std::array<uint8_t, kHeaderSize> Header{};
  std::array<uint8_t, kCellCount> Cells{};
};
