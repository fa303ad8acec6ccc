// The picture in a larger window: whole-pixel scale, centred, black round it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/image/Scaling.h"

using platform::Bitmap;
using platform::PixelTarget;
using platform::Placement;
using platform::PlacePicture;
using platform::RectAt;

TEST(Scaling, ThePictureTakesTheLargestWholeScaleThatFitsCentred) {
  const Placement fullHd = PlacePicture(632, 453, 1920, 1080);
  EXPECT_EQ(fullHd.Scale, 2);
  EXPECT_EQ(fullHd.Left, (1920 - 1264) / 2);
  EXPECT_EQ(fullHd.Top, (1080 - 906) / 2);
  const Placement exact = PlacePicture(632, 453, 1896, 1359);
  EXPECT_EQ(exact.Scale, 3);
  EXPECT_EQ(exact.Left, 0);
  EXPECT_EQ(exact.Top, 0);
  // Too small a window still shows the picture's top-left part at its own size.
  const Placement small = PlacePicture(632, 453, 500, 300);
  EXPECT_EQ(small.Scale, 1);
  EXPECT_EQ(small.Left, 0);
  EXPECT_EQ(small.Top, 0);
}

namespace {

struct Window {
  Window(int width, int height) : pixels(width * height, 0x00ABCDEF) {
    target = PixelTarget{pixels.data(), width, width, height};
  }
  uint32_t At(int x, int y) const { return pixels[y * target.Pitch + x]; }
  std::vector<uint32_t> pixels;
  PixelTarget target;
};

Bitmap Numbered(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.Row(y)[x] = static_cast<uint32_t>(y * 100 + x);
  return picture;
}

}  // namespace

TEST(Scaling, EachPixelBecomesASquareAndOnlyTheAreaIsWritten) {
  const Bitmap picture = Numbered(5, 4);
  Window window(20, 16);
  const Placement place{3, 1, 2};
  platform::ScaleArea(picture, RectAt(1, 1, 2, 2), place, window.target);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 4 && x < 10 && y >= 5 && y < 11;
      const uint32_t expected =
          inside ? static_cast<uint32_t>(((y - 2) / 3) * 100 + (x - 1) / 3) : 0x00ABCDEFu;
      ASSERT_EQ(window.At(x, y), expected) << "at " << x << ", " << y;
    }
  }
}

TEST(Scaling, WhatFallsOutsideTheWindowIsLeftOut) {
  const Bitmap picture = Numbered(5, 4);
  Window window(7, 5);  // cuts the scaled picture's right and bottom
  const Placement place{2, 1, 0};
  platform::ScaleArea(picture, RectAt(0, 0, 5, 4), place, window.target);
  EXPECT_EQ(window.At(0, 0), 0x00ABCDEFu);
  EXPECT_EQ(window.At(1, 0), 0u);
  EXPECT_EQ(window.At(6, 4), 202u);  // picture pixel (2, 2)
  const auto area = platform::ScaledArea(RectAt(0, 0, 5, 4), place, window.target);
  EXPECT_EQ(area.Right, 7);
  EXPECT_EQ(area.Bottom, 5);
}

TEST(Scaling, TheWindowIsBlackOutsideThePicture) {
  Window window(12, 10);
  const Placement place{2, 2, 3};  // a 3 x 2 picture at 2x: x 2..7, y 3..6
  platform::FillBorders(3, 2, place, window.target);
  EXPECT_EQ(window.At(0, 0), 0u);
  EXPECT_EQ(window.At(1, 4), 0u);
  EXPECT_EQ(window.At(8, 4), 0u);
  EXPECT_EQ(window.At(4, 7), 0u);
  EXPECT_EQ(window.At(2, 3), 0x00ABCDEFu);
  EXPECT_EQ(window.At(7, 6), 0x00ABCDEFu);
}
