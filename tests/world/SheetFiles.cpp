#include "SheetFiles.h"

namespace sheet_files {

void Image::Fill(uint8_t index) { FillColumns(0, kCell - 1, index); }

void Image::FillColumns(int fromX, int toX, uint8_t index) {
  for (auto& row : Index) {
    for (int x = fromX; x <= toX; ++x) row[x] = index;
  }
}

std::string PaletteBytes(const std::array<Rgb, 16>& palette) {
  std::string bytes;
  for (const Rgb& entry : palette) {
    bytes += static_cast<char>(entry.R);
    bytes += static_cast<char>(entry.G);
    bytes += static_cast<char>(entry.B);
  }
  return bytes;
}

// One record: W and H as little-endian words, 24 rows of four 3-byte bit planes (bit 3 first,
// leftmost pixel in the most significant bit), then 2 bytes of padding.
static std::string RecordBytes(const Image& image) {
  std::string bytes(294, '\0');
  bytes[0] = static_cast<char>(image.W & 0xFF);
  bytes[1] = static_cast<char>(image.W >> 8);
  bytes[2] = static_cast<char>(image.H & 0xFF);
  bytes[3] = static_cast<char>(image.H >> 8);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      for (int plane = 0; plane < 4; ++plane) {
        const int bit = 3 - plane;
        if ((image.Index[y][x] >> bit) & 1) {
          bytes[4 + 12 * y + 3 * plane + x / 8] |= static_cast<char>(0x80 >> (x % 8));
        }
      }
    }
  }
  return bytes;
}

std::string ImageBytes(const std::array<Image, 56>& images) {
  std::string bytes;
  for (const Image& image : images) bytes += RecordBytes(image);
  return bytes;
}

void WriteSheet(const testing_support::ScratchDir& dir, const std::string& name,
                const Sheet& sheet) {
  dir.Write(name + ".PAL", PaletteBytes(sheet.Palette));
  dir.Write(name + ".FNT", ImageBytes(sheet.Images));
}

uint32_t DecodedPixel(Rgb entry) {
  const auto scaled = [](uint8_t intensity) { return static_cast<uint32_t>(intensity * 4) & 0xFF; };
  return (scaled(entry.R) << 16) | (scaled(entry.G) << 8) | scaled(entry.B);
}

std::array<Rgb, 16> DistinctPalette() {
  std::array<Rgb, 16> palette{};
  for (uint8_t i = 1; i < 16; ++i) palette[i] = Rgb{static_cast<uint8_t>(4 * i), 10, 63};
  return palette;
}

Sheet NumberedTiles() {
  Sheet sheet;
  sheet.Palette = DistinctPalette();
  for (int k = 0; k < 56; ++k) {
    Image& tile = sheet.Images[k];
    tile.Fill(static_cast<uint8_t>(k % 16));
    for (int bit = 0; bit < 6; ++bit) tile.Index[0][bit] = ((k >> bit) & 1) ? 15 : 0;
  }
  return sheet;
}

Sheet HalfMaskedSprites() {
  Sheet sheet;
  sheet.Palette = DistinctPalette();
  for (int k = 0; k < 28; ++k) {
    sheet.Images[k].Fill(static_cast<uint8_t>(k % 15 + 1));
    sheet.Images[28 + k].FillColumns(0, 11, 7);
  }
  return sheet;
}

}  // namespace sheet_files
