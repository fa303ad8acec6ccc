// SheetFormat: the numbers of the game's tile sheet files, shared by the sheet tools.
// A sheet is a palette file NAME.PAL (16 colours of three 6-bit intensities) and an image file
// NAME.FNT (56 records of 24 x 24 pixels in four bit planes). "CHARA" holds 28 sprites followed by
// their 28 masks; every other sheet holds 56 tiles.
#pragma once

#include <cstddef>
#include <string>

namespace sheet {

constexpr int kCellSize = 24;
constexpr int kCellPixels = kCellSize * kCellSize;
constexpr int kImagesPerSheet = 56;
constexpr int kSpriteCount = 28;  // sprites 0..27; image 28 + k is the mask of sprite k
constexpr int kColours = 16;
constexpr int kMaxIntensity = 63;
constexpr int kMaxSizeField = kCellSize - 1;  // W and H hold the size minus 1

constexpr size_t kPaletteFileSize = 3 * kColours;                          // 48
constexpr size_t kRowBytes = 12;                                           // four planes of 3 bytes
constexpr size_t kPixelsOffset = 4;                                        // after W and H
constexpr size_t kRecordSize = kPixelsOffset + kRowBytes * kCellSize + 2;  // 294
constexpr size_t kImageFileSize = kRecordSize * kImagesPerSheet;           // 16464

enum class SheetKind { Tiles, Sprites };

// The sprite sheet is the one named "CHARA"; every other name is a tile sheet.
SheetKind KindForName(const std::string& name);

}  // namespace sheet
