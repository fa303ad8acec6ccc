// SheetFiles: small tile sheets made by the tests themselves. A Sheet is a palette of 16 entries in
// the file's 6-bit form and 56 images of colour indices; the helpers turn it into the bytes of a
// ".PAL" and a ".FNT" file and say which 0x00RRGGBB pixel the game should decode for an entry.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "TestSupport.h"

namespace sheet_files {

constexpr int kCell = 24;

struct Rgb {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
};

struct Image {
  uint16_t W = 23;                                        // width minus 1, as in the file
  uint16_t H = 23;                                        // height minus 1
  std::array<std::array<uint8_t, kCell>, kCell> Index{};  // [y][x] colour index 0..15

  void Fill(uint8_t index);
  void FillColumns(int fromX, int toX, uint8_t index);  // columns fromX..toX of every row
};

struct Sheet {
  std::array<Rgb, 16> Palette{};
  std::array<Image, 56> Images{};
};

std::string PaletteBytes(const std::array<Rgb, 16>& palette);  // 48 bytes
std::string ImageBytes(const std::array<Image, 56>& images);   // 16464 bytes

// Writes Name.PAL and Name.FNT into the scratch directory.
void WriteSheet(const testing_support::ScratchDir& dir, const std::string& name,
                const Sheet& sheet);

// The pixel a palette entry decodes to: each 6-bit intensity times 4, low 8 bits kept.
uint32_t DecodedPixel(Rgb entry);

// A palette of 16 distinct, non-black colours except entry 0, which is black.
std::array<Rgb, 16> DistinctPalette();

// Tiles that differ from one another: tile k is filled with colour k mod 16 and carries the bits
// of k in the first six pixels of its top row (colour 15 for a set bit, 0 for a clear one).
Sheet NumberedTiles();

// Sprites whose left half (columns 0..11) is cut out by its mask and whose right half shows
// colour (k mod 15) + 1.
Sheet HalfMaskedSprites();

}  // namespace sheet_files
