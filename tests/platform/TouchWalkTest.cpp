// A touch on the walking view is the arrow towards it: the farther axis, counted in cells from the
// walker's cell, decides, a tie goes to the vertical, the walker's own cell is a key that is no
// arrow, and a touch outside the view is no key.
#include <gtest/gtest.h>

#include "platform/input/TouchWalk.h"

using namespace platform;

namespace {

// A 9 x 11 view of 24-pixel cells at (10, 20), the walker in cell (4, 5).
constexpr TouchWalk kWalk{RectAt(10, 20, 9 * 24, 11 * 24), 24, Point{4, 5}};

uint16_t KeyAtCell(int32_t column, int32_t row, int32_t inX = 12, int32_t inY = 12) {
  const auto stroke = StrokeForTouch(kWalk, 10 + column * 24 + inX, 20 + row * 24 + inY);
  return stroke ? stroke->VirtualKey : 0;
}

TEST(TouchWalk, TheFartherAxisFromTheWalkersCellGivesTheArrow) {
  EXPECT_EQ(KeyAtCell(6, 5), vk::Right);  // two cells to the right
  EXPECT_EQ(KeyAtCell(0, 4), vk::Left);
  EXPECT_EQ(KeyAtCell(3, 0), vk::Up);
  EXPECT_EQ(KeyAtCell(5, 10), vk::Down);
  EXPECT_EQ(KeyAtCell(8, 3), vk::Right);  // four across, two up
}

TEST(TouchWalk, ATieGoesToTheVertical) {
  EXPECT_EQ(KeyAtCell(5, 4), vk::Up);
  EXPECT_EQ(KeyAtCell(3, 6), vk::Down);
  EXPECT_EQ(KeyAtCell(8, 9), vk::Down);
}

TEST(TouchWalk, TheWalkersOwnCellIsAKeyThatTypesNothingAndWalksNowhere) {
  for (const int32_t in : {0, 23}) {
    const auto stroke = StrokeForTouch(kWalk, 10 + 4 * 24 + in, 20 + 5 * 24 + in);
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->Ascii, 0);
    EXPECT_NE(stroke->VirtualKey, vk::Up);
    EXPECT_TRUE(stroke->VirtualKey < vk::Left || stroke->VirtualKey > vk::Down);
  }
}

TEST(TouchWalk, CellsEndAtTheirEdgesAndNothingOutsideTheViewIsAKey) {
  EXPECT_EQ(KeyAtCell(4, 4, 0, 23), vk::Up);    // the last pixel row above the walker
  EXPECT_EQ(KeyAtCell(5, 5, 0, 0), vk::Right);  // the first pixel to its right
  EXPECT_FALSE(StrokeForTouch(kWalk, 9, 100));
  EXPECT_FALSE(StrokeForTouch(kWalk, 10 + 216, 100));
  EXPECT_FALSE(StrokeForTouch(kWalk, 50, 20 + 264));
  EXPECT_FALSE(StrokeForTouch(TouchWalk{}, 0, 0));
}

}  // namespace
