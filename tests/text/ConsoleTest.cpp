#include <gtest/gtest.h>

#include "TestFonts.h"
#include "TestSupport.h"
#include "platform/system/CodePage.h"
#include "text/Vesk3_console.h"

namespace {

// The window's colour where no pane has drawn.
constexpr platform::ColorWord kMarkerColor{0x00336633};
constexpr platform::Pixel kMarker = platform::ToPixel(kMarkerColor);
constexpr platform::Pixel kWhite = platform::ToPixel(platform::kWhite);
constexpr platform::Pixel kBlack = platform::ToPixel(platform::kBlack);

// Solid fonts in a scratch directory and a window marked everywhere, so every inked cell and
// every pixel a pane copies out is easy to see.
struct Panes : testing::Test {
  testing_support::ScratchDir dir;
  platform::Bitmap window{632, 453};

  Panes() {
    dir.Write("ascii.fnt", test_fonts::SolidFont(1536));
    dir.Write("H01.fnt", test_fonts::SolidFont(16000));
    window.FillRect(platform::RectAt(0, 0, 632, 453), kMarkerColor);
  }
};

std::string Cp(const std::u16string& text) { return platform::WideToCodePage(text); }

bool CellIs(const platform::Bitmap& b, int x0, int y0, platform::Pixel pixel) {
  for (int y = y0; y < y0 + 16; ++y)
    for (int x = x0; x < x0 + 8; ++x)
      if (b.Pixel(x, y) != pixel) return false;
  return true;
}

TEST_F(Panes, WriteCountsCodePageBytesAndDrawsFadedText) {
  TConsoleWindow console(225, 0, 400, 336, window);
  EXPECT_EQ(console.Hangul->Mode, 1);
  console.TextColor = platform::ColorWord(0x206080);
  console.Write(Cp(u"가나다 "));
  EXPECT_EQ(console.Cursor.X, 7);
  EXPECT_EQ(console.Bitmap.Pixel(0, 0),
            platform::Pixel(0x00806020));  // colour word turned into a pixel
  // A Chinese character takes two bytes but is not drawn: the A after it stands at column 7.
  console.Write(Cp(u"漢A"));
  EXPECT_EQ(console.Cursor.X, 10);
  EXPECT_NE(console.Bitmap.Pixel(56, 0), kWhite);
  EXPECT_TRUE(CellIs(console.Bitmap, 64, 0, kWhite));
  EXPECT_TRUE(CellIs(window, 225, 0, kMarker));  // nothing presented yet
  console.Present();
  EXPECT_EQ(window.Pixel(225, 0), platform::Pixel(0x00806020));
}

TEST_F(Panes, ConsoleScrollsOnTheTwentiethLine) {
  TConsoleWindow console(225, 0, 400, 336, window);
  for (int line = 0; line < 19; ++line) console.WriteLine(line == 1 ? "x" : "");
  EXPECT_EQ(console.Cursor.Y, 19);
  EXPECT_NE(console.Bitmap.Pixel(0, 16), kWhite);  // no scroll yet
  console.Write("y");
  console.WriteLine("");
  EXPECT_EQ(console.Cursor.Y, 19);
  EXPECT_EQ(console.Cursor.X, 0);
  EXPECT_NE(console.Bitmap.Pixel(0, 0), kWhite);        // line 1 moved up
  EXPECT_NE(console.Bitmap.Pixel(0, 18 * 16), kWhite);  // the y, moved up
  EXPECT_TRUE(CellIs(console.Bitmap, 0, 19 * 16, kWhite));
  EXPECT_TRUE(CellIs(console.Bitmap, 0, 20 * 16, kWhite));
  console.WriteLine("");
  EXPECT_EQ(console.Cursor.Y, 19);
  EXPECT_TRUE(CellIs(console.Bitmap, 0, 0, kWhite));
}

TEST_F(Panes, InputPaneStartsWithThePromptAndScrollsOnTheFifthLine) {
  TInputWindow input(225, 350, 400, 96, window);
  EXPECT_EQ(input.Cursor.X, 1);
  EXPECT_EQ(input.Cursor.Y, 0);
  EXPECT_FALSE(input.CursorShown);
  EXPECT_EQ(input.Bitmap.Pixel(0, 0), platform::Pixel(0x002040C0));  // ">" in the input blue
  EXPECT_TRUE(CellIs(input.Bitmap, 8, 0, kWhite));
  for (int line = 0; line < 4; ++line) input.WriteLine("");
  EXPECT_EQ(input.Cursor.Y, 4);
  input.WriteLine("");
  EXPECT_EQ(input.Cursor.Y, 4);
  EXPECT_EQ(input.Cursor.X, 1);
}

TEST_F(Panes, CursorBlockFollowsTheInputTextAndBlinksStraightToTheWindow) {
  TInputWindow input(225, 350, 400, 96, window);
  input.ShowText("abc");
  input.ShowText("");
  EXPECT_TRUE(input.CursorShown);
  EXPECT_TRUE(CellIs(input.Bitmap, 8, 0, kBlack));   // block in column 1
  EXPECT_TRUE(CellIs(input.Bitmap, 16, 0, kWhite));  // old text and block cleared
  EXPECT_TRUE(CellIs(window, 225 + 8, 350, kBlack));
  EXPECT_TRUE(CellIs(window, 225, 350, kMarker));  // the prompt was never presented
  input.Blink();
  EXPECT_FALSE(input.CursorShown);
  EXPECT_TRUE(CellIs(input.Bitmap, 8, 0, kWhite));
  EXPECT_TRUE(CellIs(window, 225 + 8, 350, kWhite));
  input.Blink();
  EXPECT_TRUE(CellIs(window, 225 + 8, 350, kBlack));
  input.ShowText(Cp(u"가a"));
  input.WriteLine("");
  EXPECT_TRUE(CellIs(input.Bitmap, 32, 16, kBlack));  // column 1 + 3 bytes on the new row
  EXPECT_TRUE(CellIs(input.Bitmap, 32, 0, kWhite));
}

TEST_F(Panes, BlockStandsAtTheCaretAndNeverHidesTheCharacterUnderIt) {
  TInputWindow input(225, 350, 400, 96, window);
  const platform::Pixel blue(0x002040C0);  // the input colour as a pixel, on the top glyph row
  input.CaretOffset = 2;
  input.ShowText("abcd");  // ">abcd": the caret before the "c", in column 3
  EXPECT_EQ(input.Bitmap.Pixel(8 * 2, 0), blue);
  EXPECT_EQ(input.Bitmap.Pixel(8 * 3, 0), kWhite);  // the "c", white on the block
  EXPECT_EQ(window.Pixel(225 + 8 * 3, 350), kWhite);
  EXPECT_EQ(input.Bitmap.Pixel(8 * 4, 0), blue);
  EXPECT_TRUE(CellIs(input.Bitmap, 8 * 5, 0, kWhite));  // no block at the end
  input.Blink();                                        // off: the "c" is back in the text colour
  EXPECT_EQ(input.Bitmap.Pixel(8 * 3, 0), blue);
  EXPECT_EQ(window.Pixel(225 + 8 * 3, 350), blue);
  input.MoveCaret(4);  // to the end: the block in the empty cell, as always
  EXPECT_TRUE(CellIs(input.Bitmap, 8 * 5, 0, kBlack));
  EXPECT_EQ(input.Bitmap.Pixel(8 * 3, 0), blue);
  // A new line forgets the caret: the block follows the old text's length until the next echo.
  input.MoveCaret(0);
  input.WriteLine("");
  EXPECT_TRUE(CellIs(input.Bitmap, 8 * 5, 16, kBlack));
  EXPECT_EQ(input.Bitmap.Pixel(8 * 1, 0), blue);  // the old line's "a" was left whole
}

TEST_F(Panes, CursorCellRightOfThePaneStaysOffTheWindow) {
  TInputWindow input(225, 350, 404, 96, window);  // column 50 is half inside
  input.ShowText(std::string(49, 'x'));
  for (int y = 350; y < 366; ++y) {
    EXPECT_EQ(window.Pixel(225 + 400, y), kBlack);
    EXPECT_EQ(window.Pixel(225 + 403, y), kBlack);
    EXPECT_EQ(window.Pixel(225 + 404, y), kMarker);
  }
  input.ShowText(std::string(60, 'x'));
  input.Blink();
  for (int y = 350; y < 366; ++y)
    for (int x = 225 + 404; x < 632; ++x) ASSERT_EQ(window.Pixel(x, y), kMarker);
}

}  // namespace
