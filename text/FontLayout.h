// FontLayout: the game's two bitmap font files, defined once for the game and the font tools.
// ascii.fnt holds 96 glyphs of 8 x 16 pixels, 16 bytes each (a byte a row, bit 7 the leftmost
// column); glyph n draws the character n + 31. H01.fnt holds 500 slots of 16 x 16 glyphs, 32 bytes
// each (row r in bytes 2r and 2r + 1, bit 7 the leftmost column of each half). Its glyphs 0..343
// are Hangul components in sets: 8 sets of the 19 initial sounds, 4 of the 21 vowels and 4 of the
// 27 final sounds. A syllable is drawn as one glyph of each of its parts laid over each other; the
// vowel picks the sets of the initial and the final, the initial and the final pick the vowel's.
#pragma once

#include <cstddef>
#include <cstdint>

namespace font_layout {

constexpr size_t kAsciiGlyphBytes = 16;
constexpr size_t kAsciiFontSize = 96 * kAsciiGlyphBytes;  // 1536
constexpr size_t kHangulGlyphBytes = 32;
constexpr size_t kHangulFontSize = 500 * kHangulGlyphBytes;  // 16000
constexpr int kComponentGlyphCount = 344;                    // the glyphs the sets use

constexpr int kInitials = 19;
constexpr int kVowels = 21;
constexpr int kFinals = 27;

// The first glyph of every set, in file order: initial sets, vowel sets, final sets; the last
// entry ends the used glyphs.
constexpr int kSetBases[] = {
    0, 19, 38, 57, 76, 95, 114, 133, 152, 173, 194, 215, 236, 263, 290, 317, kComponentGlyphCount};

// The sets a vowel gives the other parts: the initial's without and with a final, the final's.
struct VowelSets {
  uint16_t InitialPlain, InitialWithFinal, Final;
};
// By vowel, ㅏ .. ㅣ in the standard order.
constexpr VowelSets kSetsByVowel[kVowels] = {
    {0, 95, 236},   {0, 95, 290},   {0, 95, 236},   {0, 95, 290},   {0, 95, 263},   {0, 95, 290},
    {0, 95, 263},   {0, 95, 290},   {19, 114, 317}, {57, 133, 236}, {57, 133, 290}, {57, 133, 263},
    {19, 114, 317}, {38, 114, 317}, {76, 133, 263}, {76, 133, 290}, {76, 133, 263}, {38, 114, 317},
    {19, 114, 317}, {57, 133, 263}, {0, 95, 263},
};

// The vowel's own set. ㄱ and ㅋ leave the vowel more room than the other initials; a final
// takes the lower sets.
constexpr uint16_t kRoomyVowelSet = 152;
constexpr uint16_t kVowelSet = 173;
constexpr uint16_t kRoomyVowelSetWithFinal = 194;
constexpr uint16_t kVowelSetWithFinal = 215;
// A final with neither initial nor vowel (a lone cluster letter) takes the first final set.
constexpr uint16_t kLoneFinalSet = 236;

}  // namespace font_layout
