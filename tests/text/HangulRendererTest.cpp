#include <gtest/gtest.h>

#include "TestFonts.h"
#include "TestSupport.h"
#include "text/WinHan.h"

namespace {

using test_fonts::Pixel;

constexpr platform::ColorWord Word(uint32_t value) { return platform::ColorWord(value); }

// A renderer with the given fonts loaded from a scratch directory, recording every pixel.
struct Renderer {
  testing_support::ScratchDir dir;
  std::vector<Pixel> pixels;
  THangul hangul{[this](int32_t x, int32_t y, platform::ColorWord c) {
    pixels.push_back({x, y, c});
  }};

  Renderer(const std::string& ascii, const std::string& hangulFont) {
    if (!ascii.empty()) dir.Write("a.fnt", ascii);
    if (!hangulFont.empty()) dir.Write("h.fnt", hangulFont);
    hangul.LoadFonts("a.fnt", "h.fnt");
  }
};

std::string OnePixelGlyph(size_t fontSize, size_t glyphBytes, int row, int column) {
  std::string font(fontSize, '\0');
  font[row * (glyphBytes / 16) + column / 8] = static_cast<char>(0x80 >> (column % 8));
  return font;
}

TEST(THangulCompose, PicksTheComponentGlyphsOfEachSet) {
  Renderer r(test_fonts::PatternAsciiFont(), test_fonts::PatternHangulFont());
  const std::vector<std::pair<std::u16string, std::set<int>>> cases = {{u"가", {0, 152}},
                                                                       {u"한", {113, 215, 239}},
                                                                       {u"글", {114, 212, 324}},
                                                                       {u"왕", {144, 224, 256}},
                                                                       {u"ㄱ", {0}},
                                                                       {u"ㅏ", {152}},
                                                                       {u"ㄳ", {238}}};
  for (const auto& [text, glyphs] : cases) {
    r.pixels.clear();
    r.hangul.DrawText(0, 0, text, Word(1), 0);
    EXPECT_EQ(test_fonts::HangulGlyphsAt(r.pixels, 0, 0), glyphs);
  }
}

TEST(THangulAscii, ControlBytesUseGlyphZeroAndDeleteTheSpace) {
  Renderer r(test_fonts::PatternAsciiFont(), "");
  r.hangul.DrawText(100, 7, u"\n\x1E\x7F A~", Word(1), 0);
  const int expected[] = {0, 0, 1, 1, 34, 95};
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(test_fonts::AsciiGlyphAt(r.pixels, 100 + 8 * k, 7), expected[k]);
}

TEST(THangulDrawText, PenAdvancesByByteOffset) {
  Renderer r(test_fonts::SolidFont(1536), test_fonts::SolidFont(16000));
  r.hangul.DrawText(10, 20, u"A가b", Word(1), 0);
  ASSERT_EQ(r.pixels.size(), 128u + 256u + 128u);
  EXPECT_EQ(r.pixels[0], (Pixel{10, 20, Word(1)}));    // A starts at X
  EXPECT_EQ(r.pixels[128], (Pixel{18, 20, Word(1)}));  // 가 at X + 8
  EXPECT_EQ(r.pixels[128 + 15], (Pixel{33, 20, Word(1)}));
  EXPECT_EQ(r.pixels[384], (Pixel{34, 20, Word(1)}));  // b at X + 24
  EXPECT_EQ(r.pixels.back(), (Pixel{41, 35, Word(1)}));
  r.pixels.clear();
  r.hangul.DrawText(0, 0, u"\u00E9\u4E00", Word(1), 0);
  EXPECT_TRUE(r.pixels.empty());
}

TEST(THangulDrawText, MissingFontSkipsItsItemsButKeepsThePen) {
  Renderer noAscii("", test_fonts::SolidFont(16000));
  EXPECT_FALSE(noAscii.hangul.AsciiFont);
  noAscii.hangul.DrawText(0, 0, u"A가", Word(1), 0);
  ASSERT_EQ(noAscii.pixels.size(), 256u);
  EXPECT_EQ(noAscii.pixels[0].X, 8);
  Renderer noHangul(test_fonts::SolidFont(1536), "");
  noHangul.hangul.DrawText(0, 0, u"가b", Word(1), 0);
  ASSERT_EQ(noHangul.pixels.size(), 128u);
  EXPECT_EQ(noHangul.pixels[0].X, 16);
}

TEST(THangulPlot, ModeOneFadesRowsModeZeroPassesTheWord) {
  Renderer r(test_fonts::SolidFont(1536), "");
  auto rowColor = [&](int row) { return r.pixels[row * 8].Color; };
  r.hangul.Mode = 1;
  r.hangul.DrawText(0, 0, u"A", Word(0x00FFFFFF), 0);
  EXPECT_EQ(rowColor(0), Word(0x00FFFFFF));
  EXPECT_EQ(rowColor(1), Word(0x00F4F4F4));
  EXPECT_EQ(rowColor(8), Word(0x00AAAAAA));
  EXPECT_EQ(rowColor(15), Word(0x005F5F5F));
  r.pixels.clear();
  r.hangul.DrawText(0, 0, u"A", Word(0xFFC04020), 0);
  EXPECT_EQ(rowColor(0), Word(0x00C04020));  // the top byte is dropped
  EXPECT_EQ(rowColor(1), Word(0x00B83D1E));
  EXPECT_EQ(rowColor(15), Word(0x0048180C));
  r.pixels.clear();
  r.hangul.Mode = 0;
  r.hangul.DrawText(0, 0, u"A", Word(0xFF123456), 0);
  EXPECT_EQ(rowColor(15), Word(0xFF123456));
  r.pixels.clear();
  r.hangul.Mode = 2;
  r.hangul.DrawText(0, 0, u"A", Word(1), 1);
  EXPECT_TRUE(r.pixels.empty());
}

std::vector<Pixel> Square(int x0, int x1, int y0, int y1) {
  std::vector<Pixel> out;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) out.push_back({x, y, Word(0)});
  return out;
}

TEST(THangulOutline, InksTheNeighboursWithinEachHalfThenTheGlyph) {
  struct Case {
    int row, column;
    std::vector<Pixel> outline;
  };
  const std::vector<Case> cases = {{5, 3, Square(2, 4, 4, 6)},
                                   {5, 7, Square(6, 7, 4, 6)},
                                   {5, 8, Square(8, 9, 4, 6)},
                                   {0, 3, Square(2, 4, 0, 1)},
                                   {15, 3, Square(2, 4, 14, 15)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
    // ㄱ draws glyph 0 alone.
    Renderer r("", OnePixelGlyph(16000, 32, c.row, c.column));
    r.hangul.Mode = 1;
    r.hangul.DrawText(0, 0, u"ㄱ", Word(0x00FFFFFF), 1);
    std::vector<Pixel> expected = c.outline;
    expected.push_back(
        {c.column, c.row,
         JoinColor(255 * (24 - c.row) / 24, 255 * (24 - c.row) / 24, 255 * (24 - c.row) / 24)});
    EXPECT_EQ(r.pixels, expected);
  }
  Renderer ascii(OnePixelGlyph(1536, 16, 5, 7), "");
  ascii.hangul.DrawText(0, 0, u"\x01", Word(9), 1);  // glyph 0
  std::vector<Pixel> expected = Square(6, 7, 4, 6);
  expected.push_back({7, 5, Word(9)});
  EXPECT_EQ(ascii.pixels, expected);
}

TEST(THangulSinks, PixelProcWinsAndNoSinkSendsNothing) {
  static std::vector<Pixel> procPixels;
  Renderer r(test_fonts::SolidFont(1536), "");
  r.hangul.PixelProc = [](int32_t x, int32_t y, platform::ColorWord c) {
    procPixels.push_back({x, y, c});
  };
  r.hangul.DrawText(0, 0, u"A", Word(1), 0);
  EXPECT_EQ(procPixels.size(), 128u);
  EXPECT_TRUE(r.pixels.empty());
  r.hangul.PixelProc = nullptr;
  r.hangul.OnPixel = nullptr;
  r.hangul.DrawText(0, 0, u"A", Word(1), 0);  // composes, sends nothing, does not crash
}

TEST(THangulLoadFonts, NamesShortFilesAndReloading) {
  testing_support::ScratchDir dir;
  THangul hangul{nullptr};
  dir.Write("ascii.Fnt", "\x01\x02");
  std::filesystem::create_directory(dir.Path() / "fonts.d");
  dir.Write("fonts.d/hangul", "\x03");
  testing::internal::CaptureStderr();
  hangul.LoadFonts("ascii", "fonts.d/hangul");
  const std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("ascii.Fnt: only 2 of 1536"), std::string::npos) << messages;
  EXPECT_NE(messages.find("fonts.d/hangul: only 1 of 16000"), std::string::npos) << messages;
  ASSERT_TRUE(hangul.AsciiFont && hangul.HangulFont);
  EXPECT_EQ(hangul.AsciiFont->size(), 1536u);
  EXPECT_EQ((*hangul.AsciiFont)[1], 2);
  EXPECT_EQ((*hangul.AsciiFont)[2], 0);
  EXPECT_EQ(hangul.HangulFont->size(), 16000u);
  EXPECT_EQ((*hangul.HangulFont)[0], 3);
  hangul.LoadFonts(nullptr, "missing");
  EXPECT_FALSE(hangul.AsciiFont);
  EXPECT_FALSE(hangul.HangulFont);
}

}  // namespace
