// The game's own screenshot against pictures made independently of the game's drawing code: the
// map view from the sheet decoder of the data tools and the shipped map.
#include <gtest/gtest.h>

#include "RealWorld.h"
#include "TestSupport.h"
#include "platform/Png.h"
#include "tools/SheetDecoder.h"

using namespace testing_support;

namespace {

// The map view round (cx, cy) with the hero's sprite in the centre, as the player must see it.
platform::Bitmap ExpectedMapView(int cx, int cy, int heroSprite) {
  const std::string data = SourcePath("data").string();
  const auto tiles = sheet::LoadSheetCells(data, "TOWN");
  const auto sprites = sheet::LoadSheetCells(data, "CHARA");
  platform::Bitmap view(216, 264);
  for (int row = 0; row < 11; ++row) {
    for (int column = 0; column < 9; ++column) {
      const int mx = cx + column - 4, my = cy + row - 5;
      const bool inside = mx >= 0 && my >= 0 && mx < 100 && my < 100;
      const int tile = inside ? RealTerrain(mx, my) & 0x3F : 0;
      for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
          uint32_t pixel = tiles.at(tile)[y * 24 + x];
          if (column == 4 && row == 5) {
            const uint32_t hero = sprites.at(heroSprite)[y * 24 + x];
            if (hero != sheet::kKeyColour) pixel = hero;
          }
          view.Row(row * 24 + y)[column * 24 + x] = pixel;
        }
    }
  }
  return view;
}

int DifferentPixels(const platform::Bitmap& shot, const platform::Bitmap& view) {
  int different = 0;
  for (int y = 0; y < view.Height(); ++y)
    for (int x = 0; x < view.Width(); ++x) different += shot.Pixel(x, y) != view.Pixel(x, y);
  return different;
}

platform::Bitmap Screenshot(const ScratchDir& dir, const std::string& script) {
  dir.Write("script.txt", script);
  const GameRun run =
      RunGame({"--headless", "--script", "script.txt", "--data", SourcePath("data").string(),
               "--screenshot", (dir.Path() / "shot.png").string()});
  EXPECT_EQ(run.Status, 0) << run.Errors;
  auto shot = platform::LoadPng((dir.Path() / "shot.png").string());
  EXPECT_TRUE(shot);
  return shot ? *shot : platform::Bitmap();
}

}  // namespace

TEST(Screenshot, TheMapViewAtTheStartIsTheDecodedSheetsAndMap) {
  ScratchDir dir;
  const platform::Bitmap shot = Screenshot(dir, "");
  EXPECT_EQ(DifferentPixels(shot, ExpectedMapView(50, 50, 8)), 0);
}

TEST(Screenshot, TheMapViewFollowsTheHeroAndItsFacing) {
  ScratchDir dir;
  const auto keys = WalkKeys({50, 50}, {50, 28});
  ASSERT_FALSE(keys.empty());
  // Walk to the cell below the king: the hero faces the way of its last step.
  const platform::Bitmap shot = Screenshot(dir, KeyScript(keys));
  const std::string& last = keys.back();
  const int sprite = last == "Up" ? 9 : last == "Down" ? 8 : last == "Right" ? 10 : 11;
  EXPECT_EQ(DifferentPixels(shot, ExpectedMapView(50, 28, sprite)), 0);
}
