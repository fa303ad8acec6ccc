// fontbuild's reading of .hex fonts and its checks on what it builds from them.
#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "tools/FontBuilder.h"

namespace {

std::string ParseError(const std::string& text) {
  std::istringstream in(text);
  const auto glyphs = fontbuild::ParseHexFont(in, "test.hex");
  EXPECT_FALSE(glyphs) << text;
  return testing_support::Why(glyphs);
}

TEST(HexFont, ReadsNarrowAndWideGlyphs) {
  std::istringstream in(
      "0041:0000000018242442427E424242420000\r\n"
      "\n"
      "AC00:00000000001000101F9000900090009E01100110021004101810001000100000\n");
  const auto read = fontbuild::ParseHexFont(in, "test.hex");
  ASSERT_TRUE(testing_support::Succeeded(read));
  const fontbuild::HexGlyphs& glyphs = *read;
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs.at(U'A').size(), 16u);
  EXPECT_EQ(glyphs.at(U'A')[4], 0x18);
  ASSERT_EQ(glyphs.at(U'가').size(), 32u);
  EXPECT_EQ(glyphs.at(U'가')[5], 0x10);
}

TEST(HexFont, MalformedLinesAreReportedWithFileAndLine) {
  const std::string good = "0041:0000000018242442427E424242420000\n";
  EXPECT_EQ(ParseError(good + "0042\n").substr(0, 16), "test.hex: line 2");
  EXPECT_NE(ParseError("41:0000000018242442427E424242420000\n").find("line 1"), std::string::npos);
  EXPECT_NE(ParseError("004G:0000000018242442427E424242420000\n").find("not hex"),
            std::string::npos);
  EXPECT_NE(ParseError("0041:0000000018242442427E4242424200\n").find("this one 30"),
            std::string::npos);
  EXPECT_NE(ParseError("0041:0000000018242442427E42424242000Z\n").find("U+0041 is not hex"),
            std::string::npos);
  EXPECT_NE(ParseError("110000:0000000018242442427E424242420000\n").find("beyond Unicode"),
            std::string::npos);
  EXPECT_NE(ParseError(good + good).find("a second glyph for U+0041"), std::string::npos);
}

TEST(HexFont, MissingFileIsNamed) {
  EXPECT_EQ(testing_support::Why(fontbuild::ReadHexFont("/nonexistent/unifont.hex")),
            "/nonexistent/unifont.hex: cannot be opened");
}

TEST(FontBuild, MissingOrWrongSizedSourceGlyphsAreRefused) {
  fontbuild::HexGlyphs glyphs;
  for (char32_t code = 0x20; code <= 0x7E; ++code) glyphs[code].assign(16, 0);
  const auto font = fontbuild::BuildAsciiFont(glyphs);
  ASSERT_TRUE(testing_support::Succeeded(font));
  EXPECT_EQ(font->size(), fontbuild::kAsciiFontSize);
  EXPECT_NE((*font)[2], 0) << "glyph 0 is a visible box";

  glyphs[U'~'].assign(32, 0);  // a wide glyph cannot stand in an 8-pixel cell
  EXPECT_EQ(testing_support::Why(fontbuild::BuildAsciiFont(glyphs)), "no 8 x 16 glyph for U+007E");

  for (int s = 0; s < fontbuild::kSyllableCount - 1; ++s)
    glyphs[fontbuild::kFirstSyllable + s].assign(32, 0);
  EXPECT_EQ(testing_support::Why(fontbuild::BuildHangulFont(glyphs)),
            "no 16 x 16 glyph for U+D7A3");
}

// The builder fits each syllable to the glyphs the game's renderer composes it from.
TEST(FontBuild, SyllablesUseTheGameComponentGlyphs) {
  auto glyphsOf = [](char32_t syllable) {
    const fontbuild::SyllableGlyphs g =
        fontbuild::ComponentGlyphsOf(static_cast<int>(syllable - fontbuild::kFirstSyllable));
    return std::vector<int>{g.initial, g.vowel, g.final};
  };
  EXPECT_EQ(glyphsOf(U'가'), (std::vector<int>{0, 152, -1}));
  EXPECT_EQ(glyphsOf(U'한'), (std::vector<int>{113, 215, 239}));
  EXPECT_EQ(glyphsOf(U'글'), (std::vector<int>{114, 212, 324}));
  EXPECT_EQ(glyphsOf(U'왕'), (std::vector<int>{144, 224, 256}));
  EXPECT_EQ(glyphsOf(U'퀘'), (std::vector<int>{91, 167, -1}));
  EXPECT_EQ(glyphsOf(U'힣'), (std::vector<int>{113, 235, 289}));
}

}  // namespace
