#include "world/Vesk3_world.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/DataFiles.h"
#include "platform/system/DataFile.h"
#include "world/MapFormat.h"

namespace {

// A missing palette file gives the standard 16-colour EGA palette, written in the file's 6-bit
// form so that it is scaled exactly like a loaded one.
// clang-format off
constexpr TPalette kEgaPalette = {
     0,  0,  0,   0,  0, 42,   0, 42,  0,   0, 42, 42,  // black, blue, green, cyan
    42,  0,  0,  42,  0, 42,  42, 21,  0,  42, 42, 42,  // red, magenta, brown, light grey
    21, 21, 21,  21, 21, 63,  21, 63, 21,  21, 63, 63,  // grey, light blue, light green, light cyan
    63, 21, 21,  63, 21, 63,  63, 63, 21,  63, 63, 63,  // light red, light magenta, yellow, white
};
// clang-format on

platform::Pixel PaletteColour(const TPalette& palette, uint8_t index) {
  const uint8_t* entry = &palette[3 * index];
  return platform::Pixel((uint32_t{entry[0]} << 16) | (uint32_t{entry[1]} << 8) | entry[2]);
}

// Decodes image `k` of a sheet file, calling plot(x, y, colour) for every pixel of its top-left
// (W + 1) x (H + 1) corner.
template <typename Plot>
void DecodeImage(const std::vector<uint8_t>& images, int32_t k, const TPalette& palette,
                 Plot plot) {
  const uint8_t* record = images.data() + k * sheet::kRecordSize;
  // An image claiming more than 24 pixels a side is cut to its own cell.
  const int32_t lastX = std::min<int32_t>(sheet::SizeField(record), sheet::kMaxSizeField);
  const int32_t lastY = std::min<int32_t>(sheet::SizeField(record + 2), sheet::kMaxSizeField);
  for (int32_t y = 0; y <= lastY; ++y) {
    const uint8_t* pixelRow = sheet::PixelRow(record, y);
    for (int32_t x = 0; x <= lastX; ++x) {
      plot(x, y, PaletteColour(palette, sheet::ColourIndexAt(pixelRow, x)));
    }
  }
}

// Loads sheet Name into `strip`, `stripCells` cells wide: its palette through LoadPalette, then
// all 56 images of its image file in file order, handing plot(k, x, y, colour) every decoded pixel
// of image k. Without the image file the strip stays empty.
template <typename Plot>
void LoadSheet(TWorldView& view, const std::string& Name, platform::Bitmap& strip,
               int32_t stripCells, Plot plot) {
  TPalette palette{};
  view.LoadPalette(Name, palette);
  std::optional<platform::DataFile> file = platform::DataFile::Open(Name + kImageEnding);
  if (!file) return;
  std::vector<uint8_t> images(sheet::kImageFileSize);
  file->ReadBlock(images.data(), images.size());
  file->Close();
  strip.SetSize(stripCells * TWorldView::kCellSize, TWorldView::kCellSize);
  for (int32_t k = 0; k < sheet::kImagesPerSheet; ++k) {
    DecodeImage(images, k, palette,
                [&](int32_t x, int32_t y, platform::Pixel colour) { plot(k, x, y, colour); });
  }
}

// Whether `strip` holds the whole cell of image `index`; a strip whose sheet was missing is empty.
bool StripHolds(const platform::Bitmap& strip, int32_t index) {
  return strip.Height() >= TWorldView::kCellSize && strip.Width() / TWorldView::kCellSize > index;
}

// Whether view cell (column, row) lies inside `view`; asked before any cell arithmetic, so a
// far-off cell can neither wrap round onto the view nor be written through a row pointer.
bool CellInView(const platform::Bitmap& view, int32_t column, int32_t row) {
  return column >= 0 && row >= 0 && column < view.Width() / TWorldView::kCellSize &&
         row < view.Height() / TWorldView::kCellSize;
}

}  // namespace

TWorldView::TWorldView(int32_t X, int32_t Y, int32_t Columns, int32_t Rows,
                       platform::Bitmap& Target)
    : Target(Target), Left(X), Top(Y), Columns(Columns), Rows(Rows) {
  ViewBitmap.SetSize(Columns * kCellSize, Rows * kCellSize);  // painted whole in the clear colour
  LoadTiles(kTileSheet);
  LoadSprites(kSpriteSheet);
}

void TWorldView::LoadPalette(const std::string& Name, TPalette& Palette) {
  std::optional<platform::DataFile> file = platform::DataFile::Open(Name + kPaletteEnding);
  if (file) {
    file->ReadBlock(Palette.data(), Palette.size());
    file->Close();
  } else {
    Palette = kEgaPalette;
  }
  for (uint8_t& intensity : Palette) intensity = sheet::ChannelOf(intensity);
}

void TWorldView::LoadTiles(const std::string& Name) {
  LoadSheet(*this, Name, TileStrip, kTilesPerSheet,
            [this](int32_t k, int32_t x, int32_t y, platform::Pixel colour) {
              TileStrip.Row(y)[k * kCellSize + x] = colour.Value;
            });
}

void TWorldView::LoadSprites(const std::string& Name) {
  // Sprites come first in the file, so every sprite is decoded before its mask cuts it out.
  LoadSheet(*this, Name, SpriteStrip, kSprites,
            [this](int32_t k, int32_t x, int32_t y, platform::Pixel colour) {
              if (k < kSprites) {
                SpriteStrip.Row(y)[k * kCellSize + x] = colour.Value;
              } else if (colour != platform::Pixel(0)) {
                SpriteStrip.Row(y)[(k - kSprites) * kCellSize + x] = KeyColour.Value;
              }
            });
}

void TWorldView::PutTile(int32_t Column, int32_t Row, int32_t Index) {
  Index &= map_file::kTileMask;
  if (Index >= kTilesPerSheet) return;
  if (!StripHolds(TileStrip, Index)) return;  // the tile sheet was missing: nothing to draw
  if (!CellInView(ViewBitmap, Column, Row)) return;
  ViewBitmap.CopyRect(platform::RectAt(Column * kCellSize, Row * kCellSize, kCellSize, kCellSize),
                      TileStrip, platform::RectAt(Index * kCellSize, 0, kCellSize, kCellSize));
}

void TWorldView::PutSprite(int32_t Column, int32_t Row, int32_t Index) {
  Index &= 0x3F;
  if (Index >= kSprites) return;
  if (!StripHolds(SpriteStrip, Index)) return;  // the sprite sheet was missing: nothing to draw
  if (!CellInView(ViewBitmap, Column, Row)) return;
  for (int32_t y = 0; y < kCellSize; ++y) {
    const uint32_t* source = SpriteStrip.Row(y) + Index * kCellSize;
    uint32_t* view = ViewBitmap.Row(Row * kCellSize + y) + Column * kCellSize;
    for (int32_t x = 0; x < kCellSize; ++x) {
      if (source[x] != KeyColour.Value) view[x] = source[x];
    }
  }
}

void TWorldView::Present() { Target.Draw(Left, Top, ViewBitmap); }

void TWorldView::Release() {
  TileStrip = platform::Bitmap();
  SpriteStrip = platform::Bitmap();
  ViewBitmap = platform::Bitmap();
}
