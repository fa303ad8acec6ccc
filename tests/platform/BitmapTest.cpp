#include <gtest/gtest.h>

#include "platform/image/Bitmap.h"

using platform::Bitmap;
using platform::ColorWord;
using platform::Pixel;
using platform::RectAt;

TEST(Bitmap, NewBitmapIsWhiteAndFillsWithWhiteUntilToldOtherwise) {
  Bitmap bitmap(4, 3);
  EXPECT_EQ(bitmap.Pixel(3, 2), Pixel(0x00FFFFFF));
  bitmap.SetPixel(0, 0, platform::kBlack);
  bitmap.FillRect(RectAt(0, 0, 1, 1));
  EXPECT_EQ(bitmap.Pixel(0, 0), Pixel(0x00FFFFFF));
  EXPECT_TRUE(Bitmap().Empty());
}

TEST(Bitmap, ColourWordsAreStoredAsRedGreenBluePixels) {
  Bitmap bitmap(2, 2);
  bitmap.SetPixel(1, 0, ColorWord(0x00C04020));  // red 0x20, green 0x40, blue 0xC0
  EXPECT_EQ(bitmap.Row(0)[1], 0x002040C0u);
  bitmap.SetFillColor(ColorWord(0x000000FF));  // pure red
  bitmap.FillRect(RectAt(0, 1, 2, 1));
  EXPECT_EQ(bitmap.Pixel(0, 1), Pixel(0x00FF0000));
  EXPECT_EQ(bitmap.Pixel(0, 0), Pixel(0x00FFFFFF));
  EXPECT_EQ(platform::ToColorWord(bitmap.Pixel(1, 0)), ColorWord(0x00C04020));
}

TEST(Bitmap, AFillThatNamesItsColourLeavesTheFillColourAlone) {
  Bitmap bitmap(2, 1);
  bitmap.SetFillColor(ColorWord(0x000000FF));
  bitmap.FillRect(RectAt(0, 0, 1, 1), ColorWord(0x0000FF00));
  EXPECT_EQ(bitmap.Pixel(0, 0), Pixel(0x0000FF00));
  bitmap.FillRect(RectAt(1, 0, 1, 1));
  EXPECT_EQ(bitmap.Pixel(1, 0), Pixel(0x00FF0000));
}

TEST(Bitmap, WritesOutsideTheBitmapAreDropped) {
  Bitmap bitmap(3, 3);
  bitmap.SetFillColor(platform::kBlack);
  bitmap.SetPixel(-1, 0, platform::kBlack);
  bitmap.SetPixel(3, 1, platform::kBlack);
  bitmap.SetPixel(1, 3, platform::kBlack);
  bitmap.FillRect(RectAt(-5, -5, 6, 6));  // covers only (0, 0)
  int black = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) black += bitmap.Pixel(x, y) == Pixel(0);
  EXPECT_EQ(black, 1);
  EXPECT_EQ(bitmap.Pixel(0, 0), Pixel(0));
}

TEST(Bitmap, CopiesAreClippedOnBothSides) {
  Bitmap source(4, 4), target(4, 4);
  source.SetFillColor(platform::kBlack);
  source.FillRect(RectAt(0, 0, 4, 4));
  // Half of the source rectangle lies left of the source, half of the target below the target.
  target.CopyRect(RectAt(1, 2, 4, 4), source, RectAt(-2, 0, 4, 4));
  EXPECT_EQ(target.Pixel(1, 2), Pixel(0x00FFFFFF));  // came from source x = -2: not copied
  EXPECT_EQ(target.Pixel(3, 2), Pixel(0));           // from source x = 0
  EXPECT_EQ(target.Pixel(3, 3), Pixel(0));
  EXPECT_EQ(target.Pixel(3, 1), Pixel(0x00FFFFFF));
}

TEST(Bitmap, CopyWithinOneBitmapMovesRowsUpLikeAScroll) {
  Bitmap bitmap(2, 4);
  for (int y = 0; y < 4; ++y) bitmap.Row(y)[0] = bitmap.Row(y)[1] = static_cast<uint32_t>(y);
  bitmap.CopyRect(RectAt(0, 0, 2, 3), bitmap, RectAt(0, 1, 2, 3));
  EXPECT_EQ(bitmap.Pixel(0, 0), Pixel(1));
  EXPECT_EQ(bitmap.Pixel(1, 1), Pixel(2));
  EXPECT_EQ(bitmap.Pixel(0, 2), Pixel(3));
  // And downwards, where a naive top-to-bottom copy would smear the first row.
  bitmap.CopyRect(RectAt(0, 1, 2, 3), bitmap, RectAt(0, 0, 2, 3));
  EXPECT_EQ(bitmap.Pixel(0, 1), Pixel(1));
  EXPECT_EQ(bitmap.Pixel(0, 2), Pixel(2));
  EXPECT_EQ(bitmap.Pixel(0, 3), Pixel(3));
}

TEST(Bitmap, DrawPutsTheWholeSourceAtAPosition) {
  Bitmap window(10, 10), pane(3, 2);
  pane.FillRect(RectAt(0, 0, 3, 2), ColorWord(0x00123456));
  window.Draw(8, 9, pane);  // mostly off the window
  EXPECT_EQ(window.Pixel(8, 9), Pixel(0x00563412));
  EXPECT_EQ(window.Pixel(9, 9), Pixel(0x00563412));
  EXPECT_EQ(window.Pixel(7, 9), Pixel(0x00FFFFFF));
}
