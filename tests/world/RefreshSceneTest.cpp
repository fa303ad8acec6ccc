// The scene refresh: which map cell each view cell shows, where the hero is drawn, and what is put
// on the window.
#include <gtest/gtest.h>

#include <memory>

#include "SheetFiles.h"
#include "TestSupport.h"
#include "app/Vesk3_main.h"
#include "text/Vesk3_console.h"
#include "world/RefreshScene.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"
#include "world/Vesk3_world.h"

namespace {

constexpr int kOutside = 0;  // the tile an outside cell shows
constexpr int kNoTile = -1;  // a view cell that matches no tile of the strip

// The terrain byte of map cell (x, y): ground 1..50, never 0, with the two high bits varying
// so that only the low six bits can pick the tile.
uint8_t TerrainAt(int x, int y) {
  return static_cast<uint8_t>(((x + 2 * y) % 50 + 1) | ((x % 4) << 6));
}
int GroundAt(int x, int y) { return TerrainAt(x, y) & 0x3F; }

class RefreshSceneTest : public ::testing::Test {
 protected:
  RefreshSceneTest() {
    sheet_files::WriteSheet(dir, "TOWN", sheet_files::NumberedTiles());
    sheet_files::WriteSheet(dir, "CHARA", sheet_files::HalfMaskedSprites());
    WorldView = std::make_unique<TWorldView>(0, 0, 9, 11, target);
    WorldMap = std::make_unique<TWorldMap>("VESK.M");  // absent: a zeroed map to fill below
    SetMapSize(100, 100);
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) WorldMap->Cells[100 * y + x] = TerrainAt(x, y);
    }
    Hero = std::make_unique<TCharacter>(50, 50);
  }
  ~RefreshSceneTest() override {
    InputWindow.reset();
    ConsoleWindow.reset();
    Hero.reset();
    WorldMap.reset();
    WorldView.reset();
  }

  static void SetMapSize(uint8_t width, uint8_t height) {
    WorldMap->Header[11] = width;
    WorldMap->Header[12] = height;
  }
  static void Refresh() { RefreshScene(Hero->X, Hero->Y); }
  static void RefreshWithHeroAt(int x, int y) {
    Hero->X = x;
    Hero->Y = y;
    Refresh();
  }

  static platform::Pixel ViewPixel(int column, int row, int x, int y) {
    return WorldView->ViewBitmap.Pixel(24 * column + x, 24 * row + y);
  }
  // The tile whose picture view cell (column, row) holds whole, or kNoTile.
  static int TileIn(int column, int row) {
    for (int k = 0; k < 56; ++k) {
      if (CellMatches(column, row,
                      [k](int x, int y) { return WorldView->TileStrip.Pixel(24 * k + x, y); }))
        return k;
    }
    return kNoTile;
  }
  // Whether the cell holds `sprite` over `tile`: the test sprites are cut out in their left half.
  static bool HeroIn(int column, int row, int tile, int sprite) {
    return CellMatches(column, row, [&](int x, int y) {
      return x < 12 ? WorldView->TileStrip.Pixel(24 * tile + x, y)
                    : WorldView->SpriteStrip.Pixel(24 * sprite + x, y);
    });
  }
  template <typename Expected>
  static bool CellMatches(int column, int row, Expected expected) {
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        if (ViewPixel(column, row, x, y) != expected(x, y)) return false;
      }
    }
    return true;
  }
  // Every cell but the centre against the map round (X, Y): inside cells show their ground.
  static void ExpectGroundAround(int X, int Y, int width, int height) {
    for (int r = 0; r < 11; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (c == 4 && r == 5) continue;
        const int mx = X + c - 4, my = Y + r - 5;
        const bool inside = mx >= 0 && my >= 0 && mx < width && my < height;
        EXPECT_EQ(TileIn(c, r), inside ? GroundAt(mx, my) : kOutside)
            << "view cell " << c << "," << r << " (map " << mx << "," << my << ")";
      }
    }
  }

  testing_support::ScratchDir dir;
  platform::Bitmap target{632, 453};
};

// ---- Which map cells the view shows ----

TEST_F(RefreshSceneTest, HeroInTheMiddleSeesColumns46To54AndRows45To55) {
  Refresh();
  ExpectGroundAround(50, 50, 100, 100);
  EXPECT_EQ(TileIn(0, 0), GroundAt(46, 45));
  EXPECT_EQ(TileIn(8, 10), GroundAt(54, 55));
  EXPECT_TRUE(HeroIn(4, 5, GroundAt(50, 50), 8));
}

TEST_F(RefreshSceneTest, CellsAboveAndLeftOfTheMapShowTile0) {
  RefreshWithHeroAt(2, 3);
  ExpectGroundAround(2, 3, 100, 100);
  EXPECT_EQ(TileIn(1, 1), kOutside);
  EXPECT_EQ(TileIn(2, 2), GroundAt(0, 0));
}

TEST_F(RefreshSceneTest, CellsBeyondWidthAndHeightShowTile0) {
  RefreshWithHeroAt(99, 99);
  ExpectGroundAround(99, 99, 100, 100);
  EXPECT_EQ(TileIn(5, 4), kOutside);
  EXPECT_EQ(TileIn(4, 6), kOutside);
  EXPECT_TRUE(HeroIn(4, 5, GroundAt(99, 99), 8));
}

TEST_F(RefreshSceneTest, WidthOfTheHeaderCutsTheMapAlthoughTheGridHoldsMore) {
  SetMapSize(12, 100);
  RefreshWithHeroAt(10, 10);
  ExpectGroundAround(10, 10, 12, 100);
  EXPECT_EQ(TileIn(5, 0), GroundAt(11, 5));
  EXPECT_EQ(TileIn(6, 0), kOutside);
}

TEST_F(RefreshSceneTest, MapWithoutSizeShowsTile0EverywhereWithTheHeroInTheMiddle) {
  SetMapSize(0, 0);
  Refresh();
  ExpectGroundAround(50, 50, 0, 0);
  EXPECT_TRUE(HeroIn(4, 5, kOutside, 8));
}

TEST_F(RefreshSceneTest, SizesAbove100NeverReachPastTheGrid) {
  SetMapSize(200, 255);
  RefreshWithHeroAt(99, 99);
  ExpectGroundAround(99, 99, 100, 100);
  Hero->X = 103;
  Refresh();
  EXPECT_TRUE(HeroIn(4, 5, kOutside, 8));
}

TEST_F(RefreshSceneTest, GroundTilesBeyondTheSheetLeaveTheCellAsItWas) {
  WorldMap->Cells[100 * 45 + 46] = 60;  // view cell (0, 0) from (50, 50)
  Refresh();
  EXPECT_EQ(ViewPixel(0, 0, 0, 0), platform::Pixel(0x00FFFFFF));
  EXPECT_EQ(ViewPixel(0, 0, 23, 23), platform::Pixel(0x00FFFFFF));
  Hero->X = 51;  // the cell that held map (47, 45) now keeps it
  Refresh();
  Hero->X = 50;
  Refresh();
  EXPECT_EQ(TileIn(0, 0), GroundAt(47, 45));
}

// ---- The hero ----

TEST_F(RefreshSceneTest, HeroOnANegativeCellIsNotDrawn) {
  for (auto [x, y] : {std::pair{-1, 50}, std::pair{50, -1}}) {
    RefreshWithHeroAt(x, y);
    EXPECT_EQ(TileIn(4, 5), kOutside) << x << "," << y;
  }
}

TEST_F(RefreshSceneTest, HeroBeyondTheMapIsDrawnOverTile0) {
  RefreshWithHeroAt(100, 20);
  EXPECT_TRUE(HeroIn(4, 5, kOutside, 8));
}

TEST_F(RefreshSceneTest, HeroIsDrawnWithTheSpriteOfItsFacing) {
  const int ground = GroundAt(50, 50);
  for (auto [facing, sprite] :
       {std::pair{TCharacter::kDown, 8}, std::pair{TCharacter::kUp, 9},
        std::pair{TCharacter::kRight, 10}, std::pair{TCharacter::kLeft, 11}}) {
    Hero->Facing = facing;
    Refresh();
    EXPECT_TRUE(HeroIn(4, 5, ground, sprite)) << "facing " << int{facing};
  }
}

TEST_F(RefreshSceneTest, HeroIsDrawnWhereverTheCallerCentres) {
  RefreshScene(20, 30);
  ExpectGroundAround(20, 30, 100, 100);
  EXPECT_TRUE(HeroIn(4, 5, GroundAt(20, 30), 8));
}

TEST_F(RefreshSceneTest, MovingLeavesNoHeroBehind) {
  Refresh();
  Hero->Y = 51;
  Refresh();
  EXPECT_EQ(TileIn(4, 4), GroundAt(50, 50));
  EXPECT_TRUE(HeroIn(4, 5, GroundAt(50, 51), 8));
}

// ---- What reaches the window ----

TEST_F(RefreshSceneTest, EveryRefreshPutsTheViewAndThenBothPanesOnTheWindow) {
  // Panes that overlap the view and each other, so the order shows in the overlap.
  ConsoleWindow = std::make_unique<TConsoleWindow>(100, 100, 200, 200, target);
  InputWindow = std::make_unique<TInputWindow>(150, 150, 200, 200, target);
  ConsoleWindow->Bitmap.SetFillColor(platform::ColorWord(0x000000FF));  // colour words: red
  ConsoleWindow->Bitmap.FillRect(platform::RectAt(0, 0, 200, 200));
  InputWindow->Bitmap.SetFillColor(platform::ColorWord(0x00FF0000));  // blue
  InputWindow->Bitmap.FillRect(platform::RectAt(0, 0, 200, 200));
  for (int refresh = 0; refresh < 2; ++refresh) {
    target.SetFillColor(platform::kBlack);
    target.FillRect(platform::RectAt(0, 0, 632, 453));
    Refresh();
    EXPECT_EQ(target.Pixel(0, 0), WorldView->ViewBitmap.Pixel(0, 0));
    EXPECT_EQ(target.Pixel(215, 99), WorldView->ViewBitmap.Pixel(215, 99));
    EXPECT_EQ(target.Pixel(120, 120), platform::Pixel(0x00FF0000)) << "console under the view";
    EXPECT_EQ(target.Pixel(299, 149), platform::Pixel(0x00FF0000));
    EXPECT_EQ(target.Pixel(160, 160), platform::Pixel(0x000000FF)) << "input under the console";
    EXPECT_EQ(target.Pixel(349, 349), platform::Pixel(0x000000FF));
  }
}

TEST_F(RefreshSceneTest, ViewIsPresentedWithoutPanes) {
  target.SetFillColor(platform::kBlack);
  target.FillRect(platform::RectAt(0, 0, 632, 453));
  Refresh();
  for (int y = 0; y < 264; y += 23) {
    for (int x = 0; x < 216; x += 23) {
      ASSERT_EQ(target.Pixel(x, y), WorldView->ViewBitmap.Pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(target.Pixel(216, 0), platform::Pixel(0));
}

}  // namespace
