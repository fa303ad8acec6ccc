// Fuzz target: the world map loader, then every cell and the scene round corners of the map.
#include <cstdint>

#include "FuzzSupport.h"
#include "app/DataFiles.h"
#include "platform/system/DataFile.h"
#include "world/Vesk3_map.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_support::EnterScratchDataFolder();
  fuzz_support::WriteFile(kWorldMapFile, data, size);
  try {
    TWorldMap map(kWorldMapFile);
    unsigned sum = map.Width() + map.Height();
    for (int32_t y = -1; y <= TWorldMap::kGridSize; ++y) {
      for (int32_t x = -1; x <= TWorldMap::kGridSize; ++x) sum += map.CellAt(x, y);
    }
    if (map.CellAt(-1, 0) != TWorldMap::kOutsideCell) __builtin_trap();
    return static_cast<int>(sum & 0);
  } catch (const platform::InOutError& error) {
    // Only a short map may fail, and only with a short read.
    if (size >= TWorldMap::kHeaderSize + TWorldMap::kCellCount) __builtin_trap();
    if (error.Message() != platform::kReadBeyondEnd) __builtin_trap();
  }
  return 0;
}
