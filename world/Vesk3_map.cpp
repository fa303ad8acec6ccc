#include "world/Vesk3_map.h"

#include "platform/system/DataFile.h"

TWorldMap::TWorldMap(const std::string& FileName) { LoadMap(FileName); }

void TWorldMap::LoadMap(const std::string& FileName) {
  auto file = platform::DataFile::Open(FileName);
  if (!file) return;  // no map: every cell reads 0 and the map has no size
  file->ReadBlock(Header.data(), Header.size());
  file->ReadBlock(Cells.data(), Cells.size());
  file->Close();
}

uint8_t TWorldMap::CellAt(int32_t X, int32_t Y) const {
  // The walking rules ask for the cell beyond an edge cell; the world ends there like a wall.
  if (X < 0 || Y < 0 || X >= kGridSize || Y >= kGridSize) return kOutsideCell;
  return Cells[static_cast<size_t>(Y) * kGridSize + X];
}
