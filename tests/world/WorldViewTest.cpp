// The world view: decoding the tile and sprite sheets, placing tiles and sprites in the view, and
// presenting it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SheetFiles.h"
#include "SheetModel.h"
#include "TestSupport.h"
#include "platform/system/DataFile.h"
#include "world/Vesk3_world.h"

using sheet_files::DecodedPixel;
using sheet_files::Rgb;
using sheet_files::Sheet;

namespace {

constexpr platform::Pixel kWhite = platform::ToPixel(platform::kWhite);
constexpr platform::Pixel kBlack = platform::ToPixel(platform::kBlack);

class WorldViewTest : public ::testing::Test {
 protected:
  // Writes both sheets and makes the view as the main window does: at (0, 0), 9 x 11 cells.
  void MakeView(const Sheet& town, const Sheet& chara) {
    sheet_files::WriteSheet(dir, "TOWN", town);
    sheet_files::WriteSheet(dir, "CHARA", chara);
    MakeViewFromFiles();
  }
  void MakeViewFromFiles() { view = std::make_unique<TWorldView>(0, 0, 9, 11, target); }

  // The 0x00RRGGBB pixel an entry of `sheet`'s palette decodes to.
  static platform::Pixel Colour(const Sheet& sheet, uint8_t index) {
    return platform::Pixel(DecodedPixel(sheet.Palette[index]));
  }

  platform::Pixel ViewPixel(int column, int row, int x, int y) const {
    return view->ViewBitmap.Pixel(24 * column + x, 24 * row + y);
  }
  // Whether view cell (column, row) holds exactly cell `index` of `strip`.
  bool CellShows(int column, int row, const platform::Bitmap& strip, int index) const {
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        if (ViewPixel(column, row, x, y) != strip.Pixel(24 * index + x, y)) return false;
      }
    }
    return true;
  }
  bool CellIsWhite(int column, int row) const {
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        if (ViewPixel(column, row, x, y) != kWhite) return false;
      }
    }
    return true;
  }

  testing_support::ScratchDir dir;
  platform::Bitmap target{632, 453};
  std::unique_ptr<TWorldView> view;
};

// A tile whose every pixel has its own pseudo-random colour index, so that a wrong plane order,
// bit order or row offset shows up somewhere.
Sheet ScrambledTiles() {
  Sheet sheet;
  sheet.Palette = sheet_files::DistinctPalette();
  uint32_t state = 12345;
  for (auto& image : sheet.Images) {
    for (auto& row : image.Index) {
      for (uint8_t& index : row) {
        state = state * 1103515245u + 12345u;
        index = static_cast<uint8_t>((state >> 16) & 0x0F);
      }
    }
  }
  return sheet;
}

// ---- Construction and Present ----

TEST_F(WorldViewTest, FreshViewPresentsAWhite216By264RectangleAtItsCorner) {
  target.SetFillColor(platform::kBlack);
  target.FillRect(platform::RectAt(0, 0, 632, 453));
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  EXPECT_EQ(view->ViewBitmap.Width(), 216);
  EXPECT_EQ(view->ViewBitmap.Height(), 264);
  view->Present();
  for (int y = 0; y < 264; ++y) {
    for (int x = 0; x < 216; ++x) ASSERT_EQ(target.Pixel(x, y), kWhite) << x << "," << y;
  }
  EXPECT_EQ(target.Pixel(216, 0), kBlack);
  EXPECT_EQ(target.Pixel(0, 264), kBlack);
}

TEST_F(WorldViewTest, PresentDrawsAtLeftAndTop) {
  sheet_files::WriteSheet(dir, "TOWN", sheet_files::NumberedTiles());
  sheet_files::WriteSheet(dir, "CHARA", sheet_files::HalfMaskedSprites());
  target.SetFillColor(platform::kBlack);
  target.FillRect(platform::RectAt(0, 0, 632, 453));
  TWorldView placed(30, 40, 2, 3, target);
  placed.Present();
  EXPECT_EQ(target.Pixel(29, 40), kBlack);
  EXPECT_EQ(target.Pixel(30, 39), kBlack);
  EXPECT_EQ(target.Pixel(30, 40), kWhite);
  EXPECT_EQ(target.Pixel(30 + 47, 40 + 71), kWhite);
  EXPECT_EQ(target.Pixel(30 + 48, 40), kBlack);
  EXPECT_EQ(target.Pixel(30, 40 + 72), kBlack);
}

TEST_F(WorldViewTest, ReleaseFreesStripsAndView) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  view->Release();
  EXPECT_TRUE(view->TileStrip.Empty());
  EXPECT_TRUE(view->SpriteStrip.Empty());
  EXPECT_TRUE(view->ViewBitmap.Empty());
}

// ---- Palette ----

TEST_F(WorldViewTest, PaletteIntensitiesAreMultipliedByFourKeepingTheLowByte) {
  Sheet town = sheet_files::NumberedTiles();
  town.Palette[3] = Rgb{63, 0, 1};
  town.Palette[4] = Rgb{64, 65, 255};  // out of the 6-bit range: 256 -> 0, 260 -> 4, 1020 -> 252
  town.Images[0].Index[5][5] = 3;
  town.Images[0].Index[5][6] = 4;
  MakeView(town, sheet_files::HalfMaskedSprites());
  EXPECT_EQ(view->TileStrip.Pixel(5, 5), platform::Pixel(0x00FC0004));
  EXPECT_EQ(view->TileStrip.Pixel(6, 5), platform::Pixel(0x000004FC));
}

TEST_F(WorldViewTest, LoadPaletteReadsOnlyTheFirst48Bytes) {
  dir.Write("ODD.PAL", std::string(48, '\x10') + std::string(16, '\x3F'));
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  TPalette palette{};
  view->LoadPalette("ODD", palette);
  for (uint8_t intensity : palette) EXPECT_EQ(intensity, 0x40);
}

TEST_F(WorldViewTest, MissingPaletteGivesTheStandardEgaColours) {
  Sheet town;
  for (uint8_t i = 0; i < 16; ++i) town.Images[0].Index[0][i] = i;
  dir.Write("TOWN.FNT", sheet_files::ImageBytes(town.Images));
  sheet_files::WriteSheet(dir, "CHARA", sheet_files::HalfMaskedSprites());
  MakeViewFromFiles();
  const uint32_t ega[16] = {0x000000, 0x0000A8, 0x00A800, 0x00A8A8, 0xA80000, 0xA800A8,
                            0xA85400, 0xA8A8A8, 0x545454, 0x5454FC, 0x54FC54, 0x54FCFC,
                            0xFC5454, 0xFC54FC, 0xFCFC54, 0xFCFCFC};
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(view->TileStrip.Pixel(i, 0), platform::Pixel(ega[i])) << "index " << i;
}

// ---- Decoding images ----

TEST_F(WorldViewTest, EveryTilePixelDecodesToThePaletteColourOfItsIndex) {
  const Sheet town = ScrambledTiles();
  MakeView(town, sheet_files::HalfMaskedSprites());
  ASSERT_EQ(view->TileStrip.Width(), 1344);
  ASSERT_EQ(view->TileStrip.Height(), 24);
  for (int k = 0; k < 56; ++k) {
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        ASSERT_EQ(view->TileStrip.Pixel(24 * k + x, y), Colour(town, town.Images[k].Index[y][x]))
            << "tile " << k << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(WorldViewTest, ImageHeaderSizeLimitsThePixelsWritten) {
  Sheet town = sheet_files::NumberedTiles();
  for (int k : {3, 4}) town.Images[k].Fill(5);
  town.Images[3].W = 15;
  town.Images[3].H = 15;
  town.Images[4].W = 0;
  town.Images[4].H = 23;
  MakeView(town, sheet_files::HalfMaskedSprites());
  const platform::Bitmap& strip = view->TileStrip;
  const platform::Pixel five = Colour(town, 5);
  EXPECT_EQ(strip.Pixel(24 * 3 + 15, 15), five);
  EXPECT_EQ(strip.Pixel(24 * 3 + 16, 0), kWhite);
  EXPECT_EQ(strip.Pixel(24 * 3 + 0, 16), kWhite);
  EXPECT_EQ(strip.Pixel(24 * 3 + 23, 23), kWhite);
  EXPECT_EQ(strip.Pixel(24 * 4 + 0, 23), five);
  EXPECT_EQ(strip.Pixel(24 * 4 + 1, 0), kWhite);
}

TEST_F(WorldViewTest, OversizedImageStaysInsideItsOwnCell) {
  // The last tile: anything written past its cell would land on the next row of tile 0.
  Sheet town = sheet_files::NumberedTiles();
  town.Images[55].Fill(5);
  town.Images[55].W = 40;
  town.Images[55].H = 0xFFFF;
  MakeView(town, sheet_files::HalfMaskedSprites());
  for (int y = 0; y < 24; ++y) {
    EXPECT_EQ(view->TileStrip.Pixel(24 * 55 + 23, y), Colour(town, 5));
    for (int x = 0; x < 24; ++x) {
      ASSERT_EQ(view->TileStrip.Pixel(x, y), Colour(town, town.Images[0].Index[y][x]));
    }
  }
}

// ---- Sprites and masks ----

TEST_F(WorldViewTest, SpritesFillTheirStripAndMasksCutThemOut) {
  const Sheet chara = sheet_files::HalfMaskedSprites();
  MakeView(sheet_files::NumberedTiles(), chara);
  ASSERT_EQ(view->SpriteStrip.Width(), 672);
  ASSERT_EQ(view->SpriteStrip.Height(), 24);
  for (int k = 0; k < 28; ++k) {
    EXPECT_EQ(view->SpriteStrip.Pixel(24 * k + 0, 0), TWorldView::KeyColour) << "sprite " << k;
    EXPECT_EQ(view->SpriteStrip.Pixel(24 * k + 11, 23), TWorldView::KeyColour) << "sprite " << k;
    EXPECT_EQ(view->SpriteStrip.Pixel(24 * k + 12, 0), Colour(chara, k % 15 + 1)) << "sprite " << k;
  }
}

TEST_F(WorldViewTest, OnlyBlackMaskPixelsKeepTheSpritePixel) {
  Sheet chara;
  chara.Palette = sheet_files::DistinctPalette();
  chara.Palette[2] = Rgb{64, 0, 0};  // scales to 256 -> 0: black after loading
  chara.Images[9].Fill(4);
  sheet_files::Image& mask = chara.Images[28 + 9];
  mask.Index[0][0] = 0;  // black entry: keeps the sprite
  mask.Index[0][1] = 1;  // any other colour cuts it out, whatever the index
  mask.Index[0][2] = 15;
  mask.Index[0][3] = 2;  // black once scaled: keeps the sprite
  MakeView(sheet_files::NumberedTiles(), chara);
  const platform::Pixel four = Colour(chara, 4);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 9 + 0, 0), four);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 9 + 1, 0), TWorldView::KeyColour);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 9 + 2, 0), TWorldView::KeyColour);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 9 + 3, 0), four);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 8 + 1, 0), Colour(chara, 0)) << "mask 37 touched sprite 8";
}

TEST_F(WorldViewTest, MaskAppliesOnlyWithinItsOwnSize) {
  Sheet chara = sheet_files::HalfMaskedSprites();
  chara.Images[28 + 5].W = 3;
  chara.Images[28 + 5].H = 3;
  MakeView(sheet_files::NumberedTiles(), chara);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 5 + 3, 3), TWorldView::KeyColour);
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 5 + 4, 0), Colour(chara, 5 % 15 + 1));
  EXPECT_EQ(view->SpriteStrip.Pixel(24 * 5 + 0, 4), Colour(chara, 5 % 15 + 1));
}

// ---- PutTile ----

TEST_F(WorldViewTest, PutTileReplacesTheWholeCellWithTheTile) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  view->PutTile(8, 10, 33);
  EXPECT_TRUE(CellShows(8, 10, view->TileStrip, 33));
  view->PutTile(8, 10, 0);
  EXPECT_TRUE(CellShows(8, 10, view->TileStrip, 0));
  EXPECT_TRUE(CellIsWhite(7, 10));
  EXPECT_TRUE(CellIsWhite(8, 9));
}

TEST_F(WorldViewTest, PutTileUsesTheLowSixBitsOfTheIndex) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  view->PutTile(0, 0, 64);
  EXPECT_TRUE(CellShows(0, 0, view->TileStrip, 0));
  view->PutTile(1, 0, 200);
  EXPECT_TRUE(CellShows(1, 0, view->TileStrip, 8));
  view->PutTile(2, 0, 55);
  EXPECT_TRUE(CellShows(2, 0, view->TileStrip, 55));
}

TEST_F(WorldViewTest, PutTileBeyondTheSheetLeavesTheCellAsItWas) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  view->PutTile(3, 3, 17);
  for (int index : {56, 60, 63, 127, -1}) {
    view->PutTile(3, 3, index);
    EXPECT_TRUE(CellShows(3, 3, view->TileStrip, 17)) << "index " << index;
    view->PutTile(4, 4, index);
    EXPECT_TRUE(CellIsWhite(4, 4)) << "index " << index;
  }
}

// ---- PutSprite ----

TEST_F(WorldViewTest, PutSpriteSkipsKeyColourAndCopiesEveryOtherPixel) {
  Sheet chara = sheet_files::HalfMaskedSprites();
  chara.Palette[3] = Rgb{0, 0, 0};
  chara.Images[10].Index[0][20] = 3;  // a black pixel in the opaque half
  MakeView(sheet_files::NumberedTiles(), chara);
  view->PutTile(4, 5, 20);
  view->PutSprite(4, 5, 10);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const platform::Pixel expected =
          x < 12 ? view->TileStrip.Pixel(24 * 20 + x, y) : view->SpriteStrip.Pixel(24 * 10 + x, y);
      ASSERT_EQ(ViewPixel(4, 5, x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(ViewPixel(4, 5, 20, 0), kBlack);
}

TEST_F(WorldViewTest, WhiteSpritePixelsReplaceTheGround) {
  Sheet chara = sheet_files::HalfMaskedSprites();
  chara.Images[8].W = 15;  // the rest of the sprite's cell keeps the white clear colour
  MakeView(sheet_files::NumberedTiles(), chara);
  view->PutTile(0, 0, 1);
  view->PutSprite(0, 0, 8);
  EXPECT_EQ(ViewPixel(0, 0, 20, 5), kWhite);
  EXPECT_EQ(ViewPixel(0, 0, 13, 5), Colour(chara, 9));
  EXPECT_EQ(ViewPixel(0, 0, 5, 5), view->TileStrip.Pixel(24 + 5, 5));
}

TEST_F(WorldViewTest, PutSpriteUsesTheLowSixBitsAndDrawsNothingBeyondSprite27) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  view->PutSprite(0, 0, 64 + 9);
  EXPECT_EQ(ViewPixel(0, 0, 12, 0), view->SpriteStrip.Pixel(24 * 9 + 12, 0));
  for (int index : {28, 55, 63, -1, 127}) {
    view->PutSprite(1, 1, index);
    EXPECT_TRUE(CellIsWhite(1, 1)) << "index " << index;
  }
}

TEST_F(WorldViewTest, CellsOutsideTheViewAreLeftAlone) {
  MakeView(sheet_files::NumberedTiles(), sheet_files::HalfMaskedSprites());
  for (auto [column, row] : {std::pair{9, 0}, std::pair{-1, 0}, std::pair{0, 11}, std::pair{0, -1},
                             std::pair{1 << 30, 1 << 30}}) {
    view->PutTile(column, row, 5);
    view->PutSprite(column, row, 8);
  }
  for (int row = 0; row < 11; ++row) {
    for (int column = 0; column < 9; ++column) EXPECT_TRUE(CellIsWhite(column, row));
  }
}

// ---- Missing and short files ----

TEST_F(WorldViewTest, MissingImageFilesLeaveEmptyStripsThatDrawNothing) {
  MakeViewFromFiles();
  EXPECT_TRUE(view->TileStrip.Empty());
  EXPECT_TRUE(view->SpriteStrip.Empty());
  view->PutTile(0, 0, 0);
  view->PutSprite(0, 0, 8);
  EXPECT_TRUE(CellIsWhite(0, 0));
}

TEST_F(WorldViewTest, ImageFileOfExactlyOrMoreThan16464BytesLoads) {
  const Sheet town = sheet_files::NumberedTiles();
  const std::string images = sheet_files::ImageBytes(town.Images);
  ASSERT_EQ(images.size(), 16464u);
  for (const std::string& bytes : {images, images + std::string(500, '\xFF')}) {
    dir.Write("TOWN.PAL", sheet_files::PaletteBytes(town.Palette));
    dir.Write("TOWN.FNT", bytes);
    MakeViewFromFiles();
    EXPECT_EQ(view->TileStrip.Pixel(24 * 55 + 23, 23), Colour(town, 55 % 16));
  }
}

TEST_F(WorldViewTest, ShortSheetFilesFailWithReadBeyondEndOfFileNamingTheFile) {
  const Sheet sheet = sheet_files::NumberedTiles();
  const std::string images = sheet_files::ImageBytes(sheet.Images);
  const std::string palette = sheet_files::PaletteBytes(sheet.Palette);
  struct Case {
    std::string file;
    std::string bytes;
  };
  for (const Case& shortFile :
       {Case{"TOWN.FNT", images.substr(0, 16463)}, Case{"TOWN.PAL", palette.substr(0, 47)},
        Case{"CHARA.FNT", images.substr(0, 16463)}, Case{"CHARA.PAL", ""}}) {
    sheet_files::WriteSheet(dir, "TOWN", sheet);
    sheet_files::WriteSheet(dir, "CHARA", sheet);
    dir.Write(shortFile.file, shortFile.bytes);
    try {
      MakeViewFromFiles();
      ADD_FAILURE() << "a short " << shortFile.file << " loaded";
    } catch (const platform::InOutError& error) {
      EXPECT_EQ(error.Message(), "Read beyond end of file");
      EXPECT_EQ(error.FileName(), shortFile.file);
    }
  }
}

// ---- The game's own sheets ----

// Two decoders written apart must agree on the sheets the game ships.
TEST(GameSheets, DecodeInTheViewAsTheSheetToolsDecodeThem) {
  testing_support::ScratchDir dir;
  for (const char* file : {"TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT"}) dir.CopyData(file);
  platform::Bitmap target(632, 453);
  TWorldView view(0, 0, 9, 11, target);
  const auto expectStrip = [&](const platform::Bitmap& strip, const std::string& name) {
    const std::vector<sheet::Cell> cells = sheet::LoadSheetCells(dir.Path().string(), name);
    ASSERT_EQ(strip.Width(), 24 * static_cast<int>(cells.size())) << name;
    for (size_t k = 0; k < cells.size(); ++k) {
      for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
          ASSERT_EQ(strip.Pixel(24 * static_cast<int>(k) + x, y),
                    platform::Pixel(cells[k][24 * y + x]))
              << name << " image " << k << " at " << x << "," << y;
        }
      }
    }
  };
  expectStrip(view.TileStrip, "TOWN");
  expectStrip(view.SpriteStrip, "CHARA");
}

}  // namespace
