// contactsheet: draws the game's pictures from its data files so they can be looked at.
//   contactsheet DATADIR OUTDIR
// writes OUTDIR/town.png (every tile x4 with its number), OUTDIR/town-repeat.png (every tile
// repeated 3 x 3 at its real size, to judge seams and how it reads at 1x), OUTDIR/chara.png
// (every sprite x4 over a checkerboard, so the masks show), OUTDIR/world.png (the whole map,
// 24 pixels a cell) and OUTDIR/world-small.png (the same, a quarter of the size). The pictures
// are drawn by the game's own map view, TWorldView, from the sheets in DATADIR.
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/DataFiles.h"
#include "platform/image/Bitmap.h"
#include "platform/image/Png.h"
#include "tools/WholeFile.h"
#include "world/MapFormat.h"
#include "world/Vesk3_world.h"

namespace {

constexpr platform::Pixel kBackground{0x00202028};
constexpr platform::Pixel kLabelColour{0x00F0E0A0};
constexpr platform::Pixel kCheckerLight{0x00C8C8C8};
constexpr platform::Pixel kCheckerDark{0x00909090};

constexpr int kMapSize = map_file::kGridSize;

// Digits 0..9 in 3 x 5 pixels, one row a byte (bit 2 = left).
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void Put(platform::Bitmap& bitmap, int x, int y, platform::Pixel pixel) {
  if (bitmap.Contains(x, y)) bitmap.Row(y)[x] = pixel.Value;
}

void Fill(platform::Bitmap& bitmap, platform::Pixel pixel) {
  for (int y = 0; y < bitmap.Height(); ++y) std::fill_n(bitmap.Row(y), bitmap.Width(), pixel.Value);
}

// The number in digits of `scale` x `scale` pixels, top-left at (x, y).
void DrawNumber(platform::Bitmap& bitmap, int x, int y, int number, int scale) {
  std::string text = std::to_string(number);
  for (char c : text) {
    const auto& glyph = kDigits[c - '0'];
    for (int r = 0; r < 5; ++r)
      for (int col = 0; col < 3; ++col)
        if (glyph[r] & (4 >> col))
          for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
              Put(bitmap, x + col * scale + dx, y + r * scale + dy, kLabelColour);
    x += 4 * scale;
  }
}

platform::Pixel Checker(int x, int y) {
  return ((x / 8 + y / 8) % 2) ? kCheckerDark : kCheckerLight;
}

// Cell `index` of a strip of the map view enlarged `scale` times at (x, y); key-coloured pixels
// show the checkerboard.
void DrawCell(platform::Bitmap& bitmap, int x, int y, const platform::Bitmap& strip, int index,
              int scale) {
  constexpr int kCell = TWorldView::kCellSize;
  for (int r = 0; r < kCell; ++r)
    for (int c = 0; c < kCell; ++c) {
      const platform::Pixel pixel = strip.Pixel(index * kCell + c, r);
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) {
          int px = x + c * scale + dx, py = y + r * scale + dy;
          Put(bitmap, px, py, pixel == TWorldView::KeyColour ? Checker(px - x, py - y) : pixel);
        }
    }
}

// A grid of numbered pictures; draw(bitmap, k, x, y) paints picture k of size `cellSize`.
template <typename DrawFn>
platform::Bitmap NumberedGrid(int count, int columns, int cellSize, DrawFn draw) {
  constexpr int kMargin = 10, kLabel = 14;
  int rows = (count + columns - 1) / columns;
  platform::Bitmap bitmap(kMargin + columns * (cellSize + kMargin),
                          kMargin + rows * (cellSize + kLabel + kMargin));
  Fill(bitmap, kBackground);
  for (int k = 0; k < count; ++k) {
    int x = kMargin + (k % columns) * (cellSize + kMargin);
    int y = kMargin + (k / columns) * (cellSize + kLabel + kMargin);
    DrawNumber(bitmap, x, y, k, 2);
    draw(bitmap, k, x, y + kLabel);
  }
  return bitmap;
}

std::string ReadMap(const std::filesystem::path& path) {
  const std::optional<std::string> read = ReadWholeFile(path);
  if (!read) throw std::runtime_error(path.string() + ": cannot be read");
  const std::string& bytes = *read;
  const size_t needed = map_file::kFileSize;
  if (bytes.size() < needed)
    throw std::runtime_error(path.string() + ": holds " + std::to_string(bytes.size()) +
                             " bytes, a map needs " + std::to_string(needed));
  const auto width = static_cast<uint8_t>(bytes[map_file::kWidthOffset]);
  const auto height = static_cast<uint8_t>(bytes[map_file::kHeightOffset]);
  if (width != kMapSize || height != kMapSize)
    std::fprintf(stderr, "%s: header says %d x %d, drawing the 100 x 100 grid the game reads\n",
                 path.string().c_str(), width, height);
  return bytes;
}

// The whole map, drawn by a map view as large as the grid.
platform::Bitmap WorldPicture(const std::string& map, TWorldView& world) {
  Fill(world.ViewBitmap, platform::Pixel(0));  // cells whose tile number is 56..63 show nothing
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      world.PutTile(x, y, static_cast<uint8_t>(map[map_file::kHeaderSize + kMapSize * y + x]));
    }
  return world.ViewBitmap;
}

// The map view reads its sheets from the working directory and passes over missing ones; here a
// missing sheet is an error.
void RequireSheets() {
  for (const char* name : kSheetFiles) {
    if (!std::filesystem::is_regular_file(name)) {
      throw std::runtime_error(std::string(name) + ": cannot be read");
    }
  }
}

// Each output pixel is the average of a `factor` x `factor` block.
platform::Bitmap Shrink(const platform::Bitmap& source, int factor) {
  platform::Bitmap small(source.Width() / factor, source.Height() / factor);
  for (int y = 0; y < small.Height(); ++y)
    for (int x = 0; x < small.Width(); ++x) {
      uint32_t sum[3] = {0, 0, 0};
      for (int dy = 0; dy < factor; ++dy)
        for (int dx = 0; dx < factor; ++dx) {
          uint32_t p = source.Row(y * factor + dy)[x * factor + dx];
          sum[0] += p >> 16 & 0xFF;
          sum[1] += p >> 8 & 0xFF;
          sum[2] += p & 0xFF;
        }
      uint32_t n = factor * factor;
      small.Row(y)[x] = (sum[0] / n) << 16 | (sum[1] / n) << 8 | sum[2] / n;
    }
  return small;
}

void Save(const platform::Bitmap& bitmap, const std::filesystem::path& path) {
  if (const auto saved = platform::SavePng(bitmap, path.string()); !saved)
    throw std::runtime_error(saved.Error().Message);
  std::printf("%s\n", path.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: contactsheet DATADIR OUTDIR\n");
    return 2;
  }
  try {
    const std::filesystem::path outDir = std::filesystem::absolute(argv[2]);
    std::filesystem::current_path(argv[1]);
    RequireSheets();
    platform::Bitmap window(kMapSize * TWorldView::kCellSize, kMapSize * TWorldView::kCellSize);
    TWorldView view(0, 0, kMapSize, kMapSize, window);
    const platform::Bitmap& tiles = view.TileStrip;
    const platform::Bitmap& sprites = view.SpriteStrip;
    constexpr int kCell = TWorldView::kCellSize;

    Save(NumberedGrid(
             TWorldView::kTilesPerSheet, 8, kCell * 4,
             [&](platform::Bitmap& b, int k, int x, int y) { DrawCell(b, x, y, tiles, k, 4); }),
         outDir / "town.png");
    Save(NumberedGrid(TWorldView::kTilesPerSheet, 8, kCell * 3,
                      [&](platform::Bitmap& b, int k, int x, int y) {
                        for (int i = 0; i < 9; ++i)
                          DrawCell(b, x + (i % 3) * kCell, y + (i / 3) * kCell, tiles, k, 1);
                      }),
         outDir / "town-repeat.png");
    Save(NumberedGrid(
             TWorldView::kSprites, 4, kCell * 4,
             [&](platform::Bitmap& b, int k, int x, int y) { DrawCell(b, x, y, sprites, k, 4); }),
         outDir / "chara.png");
    const platform::Bitmap world = WorldPicture(ReadMap(kWorldMapFile), view);
    Save(world, outDir / "world.png");
    Save(Shrink(world, 4), outDir / "world-small.png");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
