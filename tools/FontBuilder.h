// FontBuilder: derives the game's two bitmap fonts from a .hex bitmap font (GNU Unifont).
// ascii.fnt takes the 8 x 16 glyphs of the space to "~" as they are. H01.fnt holds the 8 + 4 + 4
// sets of Hangul component glyphs; they are fitted so that every syllable, composed the way the
// game composes it (initial OR vowel OR final glyph), comes as close as it can to the source
// font's own precomposed syllable. Use: ReadHexFont, then BuildAsciiFont and BuildHangulFont.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

#include "platform/system/Result.h"
#include "text/FontLayout.h"

namespace fontbuild {

constexpr int kSyllableCount = 11172;  // U+AC00..U+D7A3
constexpr char32_t kFirstSyllable = 0xAC00;
using font_layout::kAsciiFontSize;
using font_layout::kComponentGlyphCount;
using font_layout::kHangulFontSize;

// A 16 x 16 glyph as H01.fnt stores it: row r in bytes 2r (columns 0..7) and 2r + 1 (columns
// 8..15), bit 7 the leftmost column of each half.
using Glyph = std::array<uint8_t, 32>;

// Glyph bitmaps of a .hex font by code point: 16 bytes for an 8 x 16 glyph, 32 for a 16 x 16 one,
// one row after the other, bit 7 of a row's first byte its leftmost column.
using HexGlyphs = std::map<char32_t, std::vector<uint8_t>>;

// Reads lines "XXXX:hexdigits"; a malformed line is a problem that names the source, the line and
// what is wrong.
platform::Result<HexGlyphs> ParseHexFont(std::istream& in, const std::string& sourceName);
platform::Result<HexGlyphs> ReadHexFont(const std::string& path);

// 96 glyphs of 16 bytes: glyph 0 a placeholder box, glyph n the character n + 31.
platform::Result<std::vector<uint8_t>> BuildAsciiFont(const HexGlyphs& source);

// How the component fit went, for the builder's own report.
struct FitReport {
  int sweeps = 0;              // passes over all component glyphs until none changed
  int weakSweeps = 0;          // then passes that changed pixels for the weakest syllables
  long initialDifference = 0;  // differing pixels over all syllables, starting glyphs
  long fittedDifference = 0;   // the same after both
};

// 500 glyph slots of 32 bytes; slots 344..499 stay clear.
platform::Result<std::vector<uint8_t>> BuildHangulFont(const HexGlyphs& source,
                                                       FitReport* report = nullptr);

// The component glyphs the game composes syllable s (0 = U+AC00) from; final is -1 without one.
struct SyllableGlyphs {
  int initial;
  int vowel;
  int final;
};
SyllableGlyphs ComponentGlyphsOf(int syllable);

// Intersection over union of the ink of two glyphs; 1 when both are blank.
double InkOverlap(const Glyph& a, const Glyph& b);

}  // namespace fontbuild
