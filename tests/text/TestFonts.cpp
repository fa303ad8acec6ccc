#include "TestFonts.h"

namespace test_fonts {

namespace {

// The 16 bits of row `row` of a 16-pixel-wide cell, bit 15 = column 0.
uint16_t RowBits(const std::vector<Pixel>& pixels, int32_t x, int32_t y, int row, int width) {
  uint16_t bits = 0;
  for (const Pixel& p : pixels) {
    if (p.Y == y + row && p.X >= x && p.X < x + width) bits |= 0x8000 >> (p.X - x);
  }
  return bits;
}

}  // namespace

std::string PatternAsciiFont() {
  std::string font(1536, '\0');
  for (int n = 0; n < 96; ++n) font[16 * n] = static_cast<char>(n + 1);
  return font;
}

std::string PatternHangulFont() {
  std::string font(16000, '\0');
  for (int g = 0; g < 500; ++g) {
    const int row = g < 152 ? 0 : (g < 236 ? 2 : 4);
    font[32 * g + 2 * row] = static_cast<char>((g + 1) >> 8);
    font[32 * g + 2 * row + 1] = static_cast<char>((g + 1) & 0xFF);
  }
  return font;
}

std::string SolidFont(size_t size) { return std::string(size, '\xFF'); }

std::set<int> HangulGlyphsAt(const std::vector<Pixel>& pixels, int32_t x, int32_t y) {
  std::set<int> glyphs;
  for (int row : {0, 2, 4}) {
    if (uint16_t bits = RowBits(pixels, x, y, row, 16)) glyphs.insert(bits - 1);
  }
  return glyphs;
}

int AsciiGlyphAt(const std::vector<Pixel>& pixels, int32_t x, int32_t y) {
  return (RowBits(pixels, x, y, 0, 8) >> 8) - 1;
}

}  // namespace test_fonts
