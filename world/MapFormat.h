// MapFormat: the world map file, defined once for the game and the tools. A 96-byte header whose
// bytes 11 and 12 are the map's width and height, then 100 x 100 terrain bytes, row by row (cell
// (x, y) at 100y + x). A terrain byte's low six bits pick the tile drawn for the cell, its low
// seven bits are the terrain class the walking rules look up (so a byte of 64..127 is drawn like
// the byte 64 lower); the top bit counts for neither.
#pragma once

#include <cstddef>
#include <cstdint>

namespace map_file {

constexpr int32_t kGridSize = 100;  // columns and rows
constexpr size_t kHeaderSize = 96;
constexpr size_t kCellCount = kGridSize * kGridSize;
constexpr size_t kFileSize = kHeaderSize + kCellCount;  // 10096
constexpr size_t kWidthOffset = 11;                     // in the header
constexpr size_t kHeightOffset = 12;
constexpr uint8_t kTileMask = 0x3F;   // the tile of the "TOWN" sheet
constexpr uint8_t kClassMask = 0x7F;  // the terrain class, 0..127

}  // namespace map_file
