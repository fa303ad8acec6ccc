// The typing-mode field's label is whole in its 14-pixel strip, whether the desktop's font or the
// game's own 16-pixel bitmap font (the browser's, and a desktop without a Hangul face) draws it.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"

using namespace testing_support;

namespace {

constexpr int kFieldLeft = 589, kFieldTop = 336, kFieldWidth = 36, kFieldHeight = 14;

bool Dark(platform::Pixel pixel) {
  const uint32_t word = pixel.Value;
  return ((word >> 16) & 0xFF) + ((word >> 8) & 0xFF) + (word & 0xFF) < 3 * 0x60;
}

// The longest horizontal run of ink in the lowest inked row inside the field's border: for "한",
// the base of its final ㄴ, the stroke a label cut to the field's height loses first.
int LowestStroke(const platform::Bitmap& shot) {
  for (int y = kFieldHeight - 2; y >= 1; --y) {
    int longest = 0, run = 0;
    for (int x = 1; x < kFieldWidth - 1; ++x) {
      run = Dark(shot.Pixel(kFieldLeft + x, kFieldTop + y)) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    if (longest > 0) return longest;
  }
  return 0;
}

void ExpectAWholeHangulLabel() {
  ScratchDir dir;
  EXPECT_GE(LowestStroke(HeadlessScreenshot(dir, "paint\n")), 6)
      << "the Hangul label lost its bottom";
}

}  // namespace

TEST(ModeField, TheHangulLabelIsWholeInTheDesktopsFont) { ExpectAWholeHangulLabel(); }

TEST(ModeField, TheHangulLabelIsWholeInTheGamesOwnFont) {
  ScratchDir fonts;
  fonts.Write("empty.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
  const ScopedEnvironment noFonts("FONTCONFIG_FILE", (fonts.Path() / "empty.conf").string());
  ExpectAWholeHangulLabel();
}
