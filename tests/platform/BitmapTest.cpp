#include <gtest/gtest.h>

#include "platform/Bitmap.h"

using platform::Bitmap;
using platform::RectAt;

TEST(Bitmap, NewBitmapIsWhiteAndFillsWithWhiteUntilToldOtherwise) {
  Bitmap bitmap(4, 3);
  EXPECT_EQ(bitmap.Pixel(3, 2), 0x00FFFFFFu);
  EXPECT_EQ(bitmap.FillColor(), 0x00FFFFFFu);
  EXPECT_TRUE(Bitmap().Empty());
}

TEST(Bitmap, ColourWordsAreStoredAsRedGreenBluePixels) {
  Bitmap bitmap(2, 2);
  bitmap.SetPixel(1, 0, 0x00C04020);  // red 0x20, green 0x40, blue 0xC0
  EXPECT_EQ(bitmap.Row(0)[1], 0x002040C0u);
  bitmap.SetFillColor(0x000000FF);  // pure red
  bitmap.FillRect(RectAt(0, 1, 2, 1));
  EXPECT_EQ(bitmap.Pixel(0, 1), 0x00FF0000u);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0x00FFFFFFu);
}

TEST(Bitmap, WritesOutsideTheBitmapAreDropped) {
  Bitmap bitmap(3, 3);
  bitmap.SetFillColor(0);
  bitmap.SetPixel(-1, 0, 0);
  bitmap.SetPixel(3, 1, 0);
  bitmap.SetPixel(1, 3, 0);
  bitmap.FillRect(RectAt(-5, -5, 6, 6));  // covers only (0, 0)
  int black = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) black += bitmap.Pixel(x, y) == 0;
  EXPECT_EQ(black, 1);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0u);
}

TEST(Bitmap, CopiesAreClippedOnBothSides) {
  Bitmap source(4, 4), target(4, 4);
  source.SetFillColor(0);
  source.FillRect(RectAt(0, 0, 4, 4));
  // Half of the source rectangle lies left of the source, half of the target below the target.
  target.CopyRect(RectAt(1, 2, 4, 4), source, RectAt(-2, 0, 4, 4));
  EXPECT_EQ(target.Pixel(1, 2), 0x00FFFFFFu);  // came from source x = -2: not copied
  EXPECT_EQ(target.Pixel(3, 2), 0u);           // from source x = 0
  EXPECT_EQ(target.Pixel(3, 3), 0u);
  EXPECT_EQ(target.Pixel(3, 1), 0x00FFFFFFu);
}

TEST(Bitmap, CopyWithinOneBitmapMovesRowsUpLikeAScroll) {
  Bitmap bitmap(2, 4);
  for (int y = 0; y < 4; ++y) bitmap.Row(y)[0] = bitmap.Row(y)[1] = static_cast<uint32_t>(y);
  bitmap.CopyRect(RectAt(0, 0, 2, 3), bitmap, RectAt(0, 1, 2, 3));
  EXPECT_EQ(bitmap.Pixel(0, 0), 1u);
  EXPECT_EQ(bitmap.Pixel(1, 1), 2u);
  EXPECT_EQ(bitmap.Pixel(0, 2), 3u);
  // And downwards, where a naive top-to-bottom copy would smear the first row.
  bitmap.CopyRect(RectAt(0, 1, 2, 3), bitmap, RectAt(0, 0, 2, 3));
  EXPECT_EQ(bitmap.Pixel(0, 1), 1u);
  EXPECT_EQ(bitmap.Pixel(0, 2), 2u);
  EXPECT_EQ(bitmap.Pixel(0, 3), 3u);
}

TEST(Bitmap, DrawPutsTheWholeSourceAtAPosition) {
  Bitmap window(10, 10), pane(3, 2);
  pane.SetFillColor(0x00123456);
  pane.FillRect(RectAt(0, 0, 3, 2));
  window.Draw(8, 9, pane);  // mostly off the window
  EXPECT_EQ(window.Pixel(8, 9), platform::ColorToPixel(0x00123456));
  EXPECT_EQ(window.Pixel(9, 9), platform::ColorToPixel(0x00123456));
  EXPECT_EQ(window.Pixel(7, 9), 0x00FFFFFFu);
}
