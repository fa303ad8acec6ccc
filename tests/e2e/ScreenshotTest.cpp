// The game's own screenshot against pictures made independently of the game's drawing code: the
// map view from the sheet decoder of the data tools and the shipped map.
#include <gtest/gtest.h>

#include <array>

#include "RealWorld.h"
#include "SheetModel.h"
#include "TestSupport.h"
#include "tools/FontBuilder.h"

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

}  // namespace

TEST(Screenshot, TheMapViewAtTheStartIsTheDecodedSheetsAndMap) {
  ScratchDir dir;
  const platform::Bitmap shot = HeadlessScreenshot(dir, "");
  EXPECT_EQ(DifferentPixels(shot, ExpectedMapView(50, 50, 8)), 0);
}

TEST(Screenshot, TheMapViewFollowsTheHeroAndItsFacing) {
  ScratchDir dir;
  const auto keys = WalkKeys({50, 50}, {50, 28});
  ASSERT_FALSE(keys.empty());
  // Walk to the cell below the king: the hero faces the way of its last step.
  const platform::Bitmap shot = HeadlessScreenshot(dir, KeyScript(keys));
  const std::string& last = keys.back();
  const int sprite = last == "Up" ? 9 : last == "Down" ? 8 : last == "Right" ? 10 : 11;
  EXPECT_EQ(DifferentPixels(shot, ExpectedMapView(50, 28, sprite)), 0);
}

namespace {

// One text row as the panes must show it, drawn here from the font files alone: ASCII glyphs from
// ascii.fnt, each syllable the union of its component glyphs of H01.fnt, every glyph row faded
// towards black by 1/24 more than the row above, on white.
platform::Bitmap ExpectedTextRow(const std::u16string& text, uint32_t color) {
  const std::string ascii = ReadFile(SourcePath("data/ascii.fnt"));
  const std::string hangul = ReadFile(SourcePath("data/H01.fnt"));
  platform::Bitmap row(400, 16);
  int column = 0;
  for (const char16_t c : text) {
    std::array<uint8_t, 32> glyph{};
    int width = 8;
    if (c >= 0xAC00 && c <= 0xD7A3) {
      const auto parts = fontbuild::ComponentGlyphsOf(c - 0xAC00);
      for (const int g : {parts.initial, parts.vowel, parts.final}) {
        if (g < 0) continue;
        for (int i = 0; i < 32; ++i) glyph[i] |= static_cast<uint8_t>(hangul.at(g * 32 + i));
      }
      width = 16;
    } else {
      const int n = c < 32 ? 0 : c > 126 ? 1 : c - 31;
      for (int j = 0; j < 16; ++j) glyph[2 * j] = static_cast<uint8_t>(ascii.at(n * 16 + j));
    }
    for (int y = 0; y < 16; ++y) {
      const uint32_t r = (color & 0xFF) * (24 - y) / 24, g = ((color >> 8) & 0xFF) * (24 - y) / 24,
                     b = ((color >> 16) & 0xFF) * (24 - y) / 24;
      for (int x = 0; x < width; ++x) {
        if (glyph[2 * y + x / 8] & (0x80 >> (x % 8))) {
          row.Row(y)[column * 8 + x] = (r << 16) | (g << 8) | b;
        }
      }
    }
    column += width / 8;
  }
  return row;
}

int DifferentPixelsAt(const platform::Bitmap& shot, int left, int top,
                      const platform::Bitmap& expected) {
  int different = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      different += shot.Pixel(left + x, top + y) != expected.Pixel(x, y);
  return different;
}

}  // namespace

TEST(Screenshot, ThePanesShowTheKingsGreetingAndThePromptInTheGamesFonts) {
  ScratchDir dir;
  const auto keys = WalkKeys({50, 50}, {50, 28});
  ASSERT_FALSE(keys.empty());
  const platform::Bitmap shot = HeadlessScreenshot(dir, KeyScript(keys) + "key Up\ntext 카르벤\n");
  EXPECT_EQ(DifferentPixelsAt(shot, 225, 0,
                              ExpectedTextRow(u"안녕하신가. 아시다시피 나는 카르벤일쎄", 0x206080)),
            0);
  // The empty row after the greeting, then the input pane: the prompt, and the echo with its
  // block cursor after it.
  EXPECT_EQ(DifferentPixelsAt(shot, 225, 32, ExpectedTextRow(u"", 0)), 0);
  platform::Bitmap echo = ExpectedTextRow(u">카르벤", 0xC04020);
  echo.SetFillColor(platform::kBlack);
  echo.FillRect(platform::RectAt(7 * 8, 0, 8, 16));
  EXPECT_EQ(DifferentPixelsAt(shot, 225, 350, echo), 0);
}
