// Vesk3_world: the map pane's graphics. TWorldView decodes the "TOWN" tile sheet and the "CHARA"
// sprite sheet (with their masks) into 32-bit strips once, at construction, and then composes the
// view bitmap cell by cell with PutTile and PutSprite; Present copies it to the window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/image/Bitmap.h"
#include "world/SheetFormat.h"

using TPalette = std::array<uint8_t, sheet::kPaletteFileSize>;  // 16 entries of red, green, blue

class TWorldView {
 public:
  static constexpr int32_t kCellSize = sheet::kCellSize;
  static constexpr int32_t kTilesPerSheet = sheet::kImagesPerSheet;
  static constexpr int32_t kSprites = sheet::kSpriteCount;
  static constexpr platform::Pixel KeyColour{0x00FF00FF};  // magenta: see-through

  // Create: X and Y become Left and Top. Loads "TOWN" and "CHARA" from the working directory.
  // A missing sheet file is skipped (a missing .PAL gives the EGA colours, a missing .FNT an
  // empty strip that draws nothing); a short one raises platform::InOutError naming the file.
  TWorldView(int32_t X, int32_t Y, int32_t Columns, int32_t Rows, platform::Bitmap& Target);

  void LoadPalette(const std::string& Name, TPalette& Palette);
  void LoadTiles(const std::string& Name);
  void LoadSprites(const std::string& Name);
  void PutTile(int32_t Column, int32_t Row, int32_t Index);
  void PutSprite(int32_t Column, int32_t Row, int32_t Index);
  void Present();
  void Release();

  platform::Bitmap& Target;
  int32_t Left;
  int32_t Top;
  int32_t Columns;
  int32_t Rows;
  platform::Bitmap ViewBitmap;
  platform::Bitmap TileStrip;
  platform::Bitmap SpriteStrip;
};
