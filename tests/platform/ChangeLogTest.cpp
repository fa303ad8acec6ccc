// A shown surface records what changed on it, so a window puts only that on the screen: exact
// for small changes, and never missing a changed pixel.
#include <gtest/gtest.h>

#include "platform/image/Bitmap.h"
#include "platform/image/ChangeLog.h"

using platform::Bitmap;
using platform::ChangeLog;
using platform::Rect;
using platform::RectAt;

namespace {

bool SameRect(const Rect& a, const Rect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

class ShownSurface : public ::testing::Test {
 protected:
  ShownSurface() : log_(100), surface_(200, 100) {
    surface_.SetChangeLog(&log_);
    log_.TakeAreas();
  }
  ~ShownSurface() override { surface_.SetChangeLog(nullptr); }

  ChangeLog log_;
  Bitmap surface_;
};

}  // namespace

TEST_F(ShownSurface, APixelThatChangesIsTheOnlyArea) {
  surface_.SetPixel(7, 9, platform::kBlack);
  const auto areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(7, 9, 1, 1)));
  EXPECT_TRUE(log_.TakeAreas().empty());  // taken once
}

TEST_F(ShownSurface, WritesThatChangeNoPixelAreNoChange) {
  surface_.FillRect(RectAt(0, 0, 200, 100));  // white on white
  surface_.SetPixel(3, 3, platform::kWhite);
  Bitmap same(50, 20);
  surface_.Draw(10, 10, same);
  EXPECT_TRUE(log_.TakeAreas().empty());
}

TEST_F(ShownSurface, ACopyRecordsExactlyThePixelsThatDiffer) {
  Bitmap pane(40, 32);
  pane.SetFillColor(platform::kBlack);
  pane.FillRect(RectAt(8, 16, 8, 16));  // one cell of a text grid
  surface_.Draw(100, 50, pane);
  const auto areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(108, 66, 8, 16)));
  EXPECT_EQ(surface_.Pixel(108, 66), platform::Pixel(0));
}

TEST_F(ShownSurface, APaneCopiedAgainAfterSomethingDrewOverItIsRestoredAndRecorded) {
  Bitmap pane(40, 32);
  pane.SetFillColor(platform::kBlack);
  pane.FillRect(RectAt(0, 0, 40, 32));
  surface_.Draw(10, 10, pane);
  surface_.Draw(10, 10, pane);  // unchanged: nothing new
  log_.TakeAreas();
  surface_.SetFillColor(platform::kWhite);
  surface_.FillRect(RectAt(0, 0, 20, 20));  // over the pane's corner
  log_.TakeAreas();
  surface_.Draw(10, 10, pane);
  EXPECT_EQ(surface_.Pixel(15, 15), platform::Pixel(0));
  const auto areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(10, 10, 10, 10)));
  // The pane itself changing is seen too, however it was written.
  pane.Row(3)[4] = 0x00123456;
  surface_.Draw(10, 10, pane);
  EXPECT_EQ(surface_.Pixel(14, 13), platform::Pixel(0x00123456));
  EXPECT_EQ(log_.TakeAreas().size(), 1u);
}

TEST_F(ShownSurface, NearChangesShareOneAreaAndDistantOnesDoNot) {
  surface_.SetPixel(10, 10, platform::kBlack);
  surface_.SetPixel(20, 12, platform::kBlack);   // close by: the same area
  surface_.SetPixel(150, 80, platform::kBlack);  // far away: an area of its own
  auto areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_TRUE(SameRect(areas[0], Rect{10, 10, 21, 13}));
  EXPECT_TRUE(SameRect(areas[1], RectAt(150, 80, 1, 1)));
  // Many scattered changes become one area round them all.
  for (int i = 0; i < 20; ++i)
    surface_.SetPixel(i * 10, (i * 37) % 100, platform::ColorWord(0x000000FF));
  areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], Rect{0, 0, 191, 97}));
}

TEST_F(ShownSurface, AScrollWithinTheSurfaceAndARowTakenForWritingAreRecorded) {
  surface_.SetPixel(5, 40, platform::kBlack);
  log_.TakeAreas();
  surface_.CopyRect(RectAt(0, 0, 200, 60), surface_, RectAt(0, 20, 200, 60));
  EXPECT_EQ(surface_.Pixel(5, 20), platform::Pixel(0));
  auto areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(0, 0, 200, 60)));
  surface_.Row(99);
  areas = log_.TakeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(0, 99, 200, 1)));
}

TEST(ContentStamp, EqualStampsMeanEqualPixels) {
  Bitmap bitmap(4, 4);
  const auto before = bitmap.Stamp();
  const Bitmap copy = bitmap;
  EXPECT_NE(copy.Stamp(), before);  // a copy may change on its own
  bitmap.SetPixel(0, 0, platform::kWhite);
  EXPECT_EQ(bitmap.Stamp(), before);  // nothing changed
  bitmap.SetPixel(0, 0, platform::kBlack);
  EXPECT_NE(bitmap.Stamp(), before);
}

TEST(ContentStamp, ACopyOfAShownSurfaceReportsNothingToItsLog) {
  ChangeLog log(4);
  Bitmap surface(4, 4);
  surface.SetChangeLog(&log);
  log.TakeAreas();
  Bitmap copy = surface;
  copy.SetPixel(1, 1, platform::kBlack);
  EXPECT_TRUE(log.TakeAreas().empty());
}
