// The committed fonts against their source: every syllable as the game's renderer composes it
// from data/H01.fnt, compared with GNU Unifont's own precomposed glyph, and the committed files
// byte for byte what fontbuild makes of unifont.hex. Skipped where Unifont is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "TestSupport.h"
#include "platform/system/CodePage.h"
#include "text/WinHan.h"
#include "tools/FontBuilder.h"

namespace {

using fontbuild::Glyph;

const char* const kUnifontHex = "/usr/share/unifont/unifont.hex";

// A renderer with the committed fonts, in flat colour, that records one 16 x 16 cell at (0, 0).
struct CellRenderer {
  Glyph cell{};
  THangul hangul{[this](int32_t x, int32_t y, platform::ColorWord) {
    ASSERT_TRUE(x >= 0 && x < 16 && y >= 0 && y < 16) << "pixel outside the cell";
    cell[2 * y + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  }};

  CellRenderer() {
    hangul.LoadFonts(testing_support::SourcePath("data/ascii.fnt").c_str(),
                     testing_support::SourcePath("data/H01.fnt").c_str());
  }
  Glyph Draw(const std::u16string& text) {
    cell = Glyph{};
    hangul.DrawText(0, 0, text, platform::kWhite, 0);
    return cell;
  }
};

const fontbuild::HexGlyphs& Unifont() {
  static const fontbuild::HexGlyphs glyphs = [] {
    if (!std::filesystem::exists(kUnifontHex)) return fontbuild::HexGlyphs();
    const auto read = fontbuild::ReadHexFont(kUnifontHex);
    if (!read) ADD_FAILURE() << read.Error().Message;
    return read ? *read : fontbuild::HexGlyphs();
  }();
  return glyphs;
}

Glyph UnifontGlyph(char32_t code) {
  Glyph glyph{};
  const std::vector<uint8_t>& bytes = Unifont().at(code);
  std::copy(bytes.begin(), bytes.end(), glyph.begin());
  return glyph;
}

bool Disjoint(const Glyph& a, const Glyph& b) {
  for (size_t k = 0; k < a.size(); ++k)
    if (a[k] & b[k]) return false;
  return true;
}

bool Within(const Glyph& inner, const Glyph& outer) {
  for (size_t k = 0; k < inner.size(); ++k)
    if (inner[k] & ~outer[k]) return false;
  return true;
}

#define SKIP_WITHOUT_UNIFONT() \
  if (Unifont().empty()) GTEST_SKIP() << kUnifontHex << " is not installed"

TEST(HangulFontQuality, EverySyllableComesCloseToUnifont) {
  SKIP_WITHOUT_UNIFONT();
  CellRenderer renderer;
  std::vector<std::pair<double, char32_t>> overlaps;
  for (int s = 0; s < fontbuild::kSyllableCount; ++s) {
    const char32_t code = fontbuild::kFirstSyllable + s;
    const Glyph drawn = renderer.Draw(std::u16string(1, static_cast<char16_t>(code)));
    overlaps.emplace_back(fontbuild::InkOverlap(drawn, UnifontGlyph(code)), code);
  }
  std::sort(overlaps.begin(), overlaps.end());
  double sum = 0;
  for (const auto& [overlap, code] : overlaps) sum += overlap;
  const double mean = sum / overlaps.size();
  const double firstPercentile = overlaps[overlaps.size() / 100].first;

  std::printf("ink overlap with Unifont over %zu syllables: mean %.4f, 1st percentile %.4f\n",
              overlaps.size(), mean, firstPercentile);
  std::printf("worst:");
  for (size_t k = 0; k < 10; ++k)
    std::printf(
        " %s %.3f",
        platform::WideToUtf8(std::u16string(1, static_cast<char16_t>(overlaps[k].second))).c_str(),
        overlaps[k].first);
  std::printf("\n");
  EXPECT_GE(mean, 0.95);
  // The tail is set by ㅝ ㅞ ㅟ before a final: they share their initial glyphs with ㅘ ㅙ ㅚ ㅢ,
  // above which Unifont draws the initials a row or two lower, and before ㄴ it lowers their
  // vowels a row too. Shifted one-pixel strokes overlap little though the syllable reads well.
  EXPECT_GE(firstPercentile, 0.55);
}

// Unifont's syllables have no pixel standing alone; a composed one that has is a stray dot left
// by a component glyph fitted for its other syllables.
TEST(HangulFontQuality, NoSyllableHasAStrayDot) {
  CellRenderer renderer;
  int strayDots = 0;
  for (int s = 0; s < fontbuild::kSyllableCount; ++s) {
    const char16_t code = static_cast<char16_t>(fontbuild::kFirstSyllable + s);
    const Glyph drawn = renderer.Draw(std::u16string(1, code));
    auto ink = [&](int row, int column) {
      return row >= 0 && row < 16 && column >= 0 && column < 16 &&
             (drawn[2 * row + column / 8] & (0x80 >> (column % 8))) != 0;
    };
    for (int row = 0; row < 16; ++row)
      for (int column = 0; column < 16; ++column) {
        if (!ink(row, column)) continue;
        bool alone = true;
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc)
            if ((dr != 0 || dc != 0) && ink(row + dr, column + dc)) alone = false;
        if (alone && ++strayDots <= 5)
          ADD_FAILURE() << platform::WideToUtf8(std::u16string(1, code))
                        << " has a stray dot at row " << row << ", column " << column;
      }
  }
  EXPECT_EQ(strayDots, 0);
}

// A lone letter is drawn from one component glyph: it must hold that letter and nothing of its
// neighbours, so it shows up whole and alone.
TEST(HangulFontQuality, LoneLettersShowOnlyThemselves) {
  CellRenderer renderer;
  const Glyph consonant = renderer.Draw(u"ㄱ");
  const Glyph vowel = renderer.Draw(u"ㅏ");
  const Glyph cluster = renderer.Draw(u"ㄳ");
  for (const Glyph* letter : {&consonant, &vowel, &cluster}) EXPECT_NE(*letter, Glyph{});
  // ㄱ and ㅏ are the two halves of 가; ㄳ is the final of 갃, whose initial and vowel glyphs
  // (ㄱ 95 and ㅏ 194, the sets before a final) must leave it alone.
  EXPECT_TRUE(Disjoint(consonant, vowel));
  const std::string font = testing_support::ReadFile(testing_support::SourcePath("data/H01.fnt"));
  Glyph initialAndVowel{};
  for (size_t k = 0; k < initialAndVowel.size(); ++k)
    initialAndVowel[k] = static_cast<uint8_t>(font.at(32 * 95 + k) | font.at(32 * 194 + k));
  EXPECT_TRUE(Disjoint(cluster, initialAndVowel));

  SKIP_WITHOUT_UNIFONT();
  // Each lies inside Unifont's syllable that places the letter the same way.
  EXPECT_TRUE(Within(consonant, UnifontGlyph(U'가')));
  EXPECT_TRUE(Within(vowel, UnifontGlyph(U'가')));
  EXPECT_TRUE(Within(cluster, UnifontGlyph(U'갃')));
}

TEST(FontBuild, CommittedFontsAreWhatTheBuilderMakes) {
  SKIP_WITHOUT_UNIFONT();
  const auto builtAscii = fontbuild::BuildAsciiFont(Unifont());
  const auto builtHangul = fontbuild::BuildHangulFont(Unifont());
  ASSERT_TRUE(testing_support::Succeeded(builtAscii));
  ASSERT_TRUE(testing_support::Succeeded(builtHangul));
  const std::vector<uint8_t>& ascii = *builtAscii;
  const std::vector<uint8_t>& hangul = *builtHangul;
  EXPECT_TRUE(testing_support::ReadFile(testing_support::SourcePath("data/ascii.fnt")) ==
              std::string(ascii.begin(), ascii.end()))
      << "data/ascii.fnt differs from a fresh build: run fontbuild " << kUnifontHex << " data";
  EXPECT_TRUE(testing_support::ReadFile(testing_support::SourcePath("data/H01.fnt")) ==
              std::string(hangul.begin(), hangul.end()))
      << "data/H01.fnt differs from a fresh build: run fontbuild " << kUnifontHex << " data";
}

}  // namespace
