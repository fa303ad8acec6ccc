// MapCompiler: the world map's text source and the map file built from it.
// A source is a preamble of comments and `legend C BYTE NAME` lines, a line `map`, then 100 rows of
// 100 legend characters. CompileMapSource turns it into the 10096-byte map file the game reads;
// DecompileMapFile turns a map file back into a source, reusing the preamble of a given legend.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "world/MapFormat.h"

namespace map_compiler {

using map_file::kCellCount;
using map_file::kHeaderSize;
using map_file::kHeightOffset;
using map_file::kWidthOffset;
constexpr int kMapSize = map_file::kGridSize;  // columns and rows
constexpr size_t kMapFileSize = map_file::kFileSize;
constexpr size_t kVersionOffset = 8;
constexpr uint8_t kFormatVersion = 1;
constexpr char kSignature[] = "VESK MAP";  // the first 8 header bytes; the game ignores them
constexpr uint8_t kHighestTerrain = 55;    // the last tile of the TOWN sheet

using MapCells = std::array<uint8_t, kCellCount>;  // cell (x, y) at 100y + x

// A bad source or map file. The message reads "FILE:LINE: problem" (or "FILE: problem" when the
// problem belongs to no line).
class MapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LegendEntry {
  char symbol;
  uint8_t terrain;
  std::string name;
  int line;  // where the entry stands in its source, for messages
};

// Everything of a source above its grid: the lines as written (so a decompiled map keeps the
// comments of its source) and the legend they define.
struct MapLegend {
  std::vector<std::string> preamble;  // up to and including the `map` line
  std::vector<LegendEntry> entries;

  const LegendEntry* FindSymbol(char symbol) const;
  const LegendEntry* FindTerrain(uint8_t terrain) const;  // the first entry for that byte
};

struct MapSource {
  MapLegend legend;
  MapCells cells{};
};

// Reads only the preamble of a source; the grid below it may be missing or broken.
MapLegend ParseMapLegend(const std::string& text, const std::string& fileName);
MapSource ParseMapSource(const std::string& text, const std::string& fileName);

// The legend a map file is decompiled with when no source is at hand: one character for every
// tile 0..55, the same characters the world's own source uses.
MapLegend DefaultMapLegend();

std::string BuildMapFile(const MapCells& cells);
MapCells ReadMapFile(const std::string& bytes, const std::string& fileName);
std::string WriteMapSource(const MapCells& cells, const MapLegend& legend,
                           const std::string& mapFileName);

std::string CompileMapSource(const std::string& text, const std::string& fileName);
std::string DecompileMapFile(const std::string& bytes, const std::string& mapFileName,
                             const MapLegend& legend);

}  // namespace map_compiler
