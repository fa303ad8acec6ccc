#include "SheetModel.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sheet {

namespace {

std::string ReadAtLeast(const std::filesystem::path& path, size_t size) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot be read");
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < size)
    throw std::runtime_error(path.string() + ": holds " + std::to_string(bytes.size()) +
                             " bytes, needs " + std::to_string(size));
  return bytes;
}

// Colour index of pixel (x, r) in the image record at `record`, read bit by bit apart from the
// game's decoder: plane p (0..3) of row r holds bit 3 - p, leftmost pixel in bit 7.
int PixelIndex(const uint8_t* record, int x, int r) {
  const uint8_t* row = record + kPixelsOffset + kRowBytes * r;
  int index = 0;
  for (int bit = 3, plane = 0; bit >= 0; --bit, ++plane)
    if (row[3 * plane + x / 8] & (0x80 >> (x % 8))) index |= 1 << bit;
  return index;
}

}  // namespace

Colours DecodePalette(const std::string& bytes) {
  Colours colours{};
  for (int i = 0; i < kColours; ++i) {
    const uint32_t red = (static_cast<uint8_t>(bytes[3 * i]) * 4u) & 0xFFu;
    const uint32_t green = (static_cast<uint8_t>(bytes[3 * i + 1]) * 4u) & 0xFFu;
    const uint32_t blue = (static_cast<uint8_t>(bytes[3 * i + 2]) * 4u) & 0xFFu;
    colours[i] = red << 16 | green << 8 | blue;
  }
  return colours;
}

std::vector<DecodedImage> DecodeImages(const std::string& bytes, const Colours& colours) {
  std::vector<DecodedImage> images(kImagesPerSheet);
  for (int k = 0; k < kImagesPerSheet; ++k) {
    const auto* record = reinterpret_cast<const uint8_t*>(bytes.data()) + kRecordSize * k;
    // Sizes beyond the cell are cut to it: a cell holds 24 x 24 pixels and no more.
    DecodedImage& image = images[k];
    image.Width = std::min<int>(record[0] | record[1] << 8, kMaxSizeField) + 1;
    image.Height = std::min<int>(record[2] | record[3] << 8, kMaxSizeField) + 1;
    image.Pixels.fill(kClearColour);
    for (int r = 0; r < image.Height; ++r)
      for (int x = 0; x < image.Width; ++x)
        image.Pixels[r * kCellSize + x] = colours[PixelIndex(record, x, r)];
  }
  return images;
}

std::vector<Cell> ApplyMasks(const std::vector<DecodedImage>& images) {
  std::vector<Cell> sprites;
  for (int k = 0; k < kSpriteCount; ++k) {
    Cell sprite = images[k].Pixels;
    const DecodedImage& mask = images[kSpriteCount + k];
    for (int r = 0; r < mask.Height; ++r)
      for (int x = 0; x < mask.Width; ++x)
        if (mask.Pixels[r * kCellSize + x] != 0) sprite[r * kCellSize + x] = kKeyColour;
    sprites.push_back(sprite);
  }
  return sprites;
}

std::vector<Cell> LoadSheetCells(const std::string& dir, const std::string& name) {
  std::filesystem::path base(dir);
  Colours colours = DecodePalette(ReadAtLeast(base / (name + ".PAL"), kPaletteFileSize));
  std::vector<DecodedImage> images =
      DecodeImages(ReadAtLeast(base / (name + ".FNT"), kImageFileSize), colours);
  if (KindForName(name) == SheetKind::Sprites) return ApplyMasks(images);
  std::vector<Cell> tiles;
  for (const DecodedImage& image : images) tiles.push_back(image.Pixels);
  return tiles;
}

}  // namespace sheet
