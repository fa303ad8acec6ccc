// The game's icon at every size a desktop asks for: each of its own size, a shape and not a
// square, and mirror-symmetric like the crown and shield it shows, so a slip of the pen in one of
// the hand-drawn pictures shows up here.
#include <gtest/gtest.h>

#include <cmath>

#include "app/Icon.h"

namespace {

TEST(Icon, EveryThemeSizeHasAPictureOfThatSize) {
  for (const int32_t size : kIconSizes) {
    const platform::Bitmap icon = ApplicationIcon(size);
    EXPECT_EQ(icon.Width(), size);
    EXPECT_EQ(icon.Height(), size);
  }
  EXPECT_TRUE(ApplicationIcon(20).Empty()) << "no picture scales to 20 by whole steps";
}

TEST(Icon, EverySizeIsAMirrorSymmetricShieldWithTransparentCorners) {
  for (const int32_t size : kIconSizes) {
    const platform::Bitmap icon = ApplicationIcon(size);
    if (icon.Empty()) continue;
    const int32_t last = size - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
      EXPECT_EQ(icon.Pixel(x, y), kIconTransparent) << size << ": corner " << x << "," << y;
    }
    EXPECT_NE(icon.Pixel(size / 2, size / 2), kIconTransparent) << size << ": centre";
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size / 2; ++x) {
        ASSERT_EQ(icon.Pixel(x, y), icon.Pixel(last - x, y)) << size << ": pixel " << x << "," << y;
      }
    }
  }
}

TEST(Icon, TheMaskableIconIsOpaqueWithTheWholeShieldInsideTheMiddleCircle) {
  constexpr platform::Pixel kBackground{0x00202020};
  for (const int32_t size : {192, 512}) {
    const platform::Bitmap icon = MaskableIcon(size, kBackground);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    const double middle = (size - 1) / 2.0, radius = 0.4 * size;
    bool shield = false;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        const platform::Pixel pixel = icon.Pixel(x, y);
        ASSERT_NE(pixel, kIconTransparent) << size << ": pixel " << x << "," << y;
        if (pixel == kBackground) continue;
        shield = true;
        ASSERT_LE(std::hypot(x - middle, y - middle), radius)
            << size << ": pixel " << x << "," << y;
      }
    }
    EXPECT_TRUE(shield) << size;
    EXPECT_NE(icon.Pixel(size / 2, size / 2), kBackground) << size;
  }
}

}  // namespace
