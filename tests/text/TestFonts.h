// Small fonts and a recording pixel sink for the text tests. The pattern fonts write each
// glyph's own number into its rows, so the pixels a renderer sends tell which glyphs it used.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/image/Color.h"

namespace test_fonts {

struct Pixel {
  int32_t X, Y;
  platform::ColorWord Color;
  bool operator==(const Pixel&) const = default;
};

// 96 glyphs; row 0 of glyph n holds n + 1.
std::string PatternAsciiFont();
// 500 glyphs; glyph g holds g + 1 as a 16-bit row in row 0 (initial sets, g < 152), row 2
// (vowel sets, g < 236) or row 4 (final sets), so one glyph of each kind can be told apart
// after they are overlaid.
std::string PatternHangulFont();
// Every glyph fully inked.
std::string SolidFont(size_t size);

// The glyph numbers the pixels of one 16 x 16 cell at (x, y) spell out in a pattern font.
std::set<int> HangulGlyphsAt(const std::vector<Pixel>& pixels, int32_t x, int32_t y);
int AsciiGlyphAt(const std::vector<Pixel>& pixels, int32_t x, int32_t y);

}  // namespace test_fonts
