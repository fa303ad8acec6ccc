// SheetFormat: the tile sheet files, defined once for the game and the tools.
// A sheet is a palette file NAME.PAL (16 colours of three 6-bit intensities, red, green, blue) and
// an image file NAME.FNT (56 records of 24 x 24 pixels). A record is W and H (little-endian words
// holding the used width and height minus 1), then 24 pixel rows of four bit planes of 3 bytes
// each; the planes hold bits 3, 2, 1, 0 of a pixel's colour index in that order, and the most
// significant bit of a plane's first byte is the leftmost pixel. "CHARA" holds 28 sprites followed
// by their 28 masks; every other sheet holds 56 tiles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sheet {

constexpr int kCellSize = 24;
constexpr int kCellPixels = kCellSize * kCellSize;
constexpr int kImagesPerSheet = 56;
constexpr int kSpriteCount = 28;  // sprites 0..27; image 28 + k is the mask of sprite k
constexpr int kColours = 16;
constexpr int kMaxIntensity = 63;
constexpr int kMaxSizeField = kCellSize - 1;  // W and H hold the size minus 1

constexpr size_t kPaletteFileSize = 3 * kColours;  // 48
constexpr int kPlanes = 4;
constexpr size_t kPlaneBytes = 3;                                          // 24 pixels a plane
constexpr size_t kRowBytes = kPlanes * kPlaneBytes;                        // 12
constexpr size_t kPixelsOffset = 4;                                        // after W and H
constexpr size_t kRecordSize = kPixelsOffset + kRowBytes * kCellSize + 2;  // 294
constexpr size_t kImageFileSize = kRecordSize * kImagesPerSheet;           // 16464

enum class SheetKind { Tiles, Sprites };

// The sprite sheet is the one named kSpriteSheet (app/DataFiles.h); every other name is a tile
// sheet.
SheetKind KindForName(const std::string& name);

// The W or H field of a record (the size minus 1), as stored.
inline uint16_t SizeField(const uint8_t* field) {
  return static_cast<uint16_t>(field[0] | (field[1] << 8));
}

// Pixel row r of the record at `record`.
inline const uint8_t* PixelRow(const uint8_t* record, int r) {
  return record + kPixelsOffset + kRowBytes * r;
}
inline uint8_t* PixelRow(uint8_t* record, int r) { return record + kPixelsOffset + kRowBytes * r; }

// The colour index of pixel x of a pixel row.
inline uint8_t ColourIndexAt(const uint8_t* pixelRow, int x) {
  uint8_t index = 0;
  for (int plane = 0; plane < kPlanes; ++plane) {
    const uint8_t planeByte = pixelRow[plane * kPlaneBytes + x / 8];
    index = static_cast<uint8_t>((index << 1) | ((planeByte >> (7 - x % 8)) & 1));
  }
  return index;
}

// Sets the bits of colour index `index` for pixel x of a pixel row whose bits for it are clear.
inline void PutColourIndex(uint8_t* pixelRow, int x, uint8_t index) {
  for (int plane = 0; plane < kPlanes; ++plane) {
    if (index & (8 >> plane)) pixelRow[plane * kPlaneBytes + x / 8] |= 0x80 >> (x % 8);
  }
}

// A palette intensity (0..63) as an 8-bit colour channel: times 4, the low 8 bits kept.
constexpr uint8_t ChannelOf(uint8_t intensity) { return static_cast<uint8_t>(intensity * 4); }

}  // namespace sheet
