// WinHan: UTF-16 to Johab, and the bitmap renderer that composes Hangul syllables from the
// 8 x 4 x 4 component font. See WinHan.h for the shape of the unit.
#include "text/WinHan.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <set>

#include "platform/system/DataFile.h"
#include "platform/system/Messages.h"
#include "text/FontLayout.h"

namespace {

// 5-bit Johab codes of the initial (I 0..18), medial (M 0..20) and final (F 0..27) indices of
// the Unicode syllable block; final 1 is the fill code for "no final".
constexpr uint8_t kInitialCode[19] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                      12, 13, 14, 15, 16, 17, 18, 19, 20};
constexpr uint8_t kMedialCode[21] = {3,  4,  5,  6,  7,  10, 11, 12, 13, 14, 15,
                                     18, 19, 20, 21, 22, 23, 26, 27, 28, 29};
constexpr uint8_t kFinalCode[28] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                    15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};

// Ready codes of the compatibility letters U+3131..U+3163. Clusters and vowels carry the
// standard fill codes; the consonants that can start a syllable leave vowel and final at 0, so
// the renderer draws them from the initial glyph of the plain set.
constexpr uint16_t kLetterCode[51] = {
    0x8800, 0x8C00, 0x8444, 0x9000, 0x8446, 0x8447, 0x9400, 0x9800,  // ㄱ ㄲ ㄳ ㄴ ㄵ ㄶ ㄷ ㄸ
    0x9C00, 0x844A, 0x844B, 0x844C, 0x844D, 0x844E, 0x844F, 0x8450,  // ㄹ ㄺ ㄻ ㄼ ㄽ ㄾ ㄿ ㅀ
    0xA000, 0xA400, 0xA800, 0x8454, 0xAC00, 0xB000, 0xB400, 0xB800,  // ㅁ ㅂ ㅃ ㅄ ㅅ ㅆ ㅇ ㅈ
    0xBC00, 0xC000, 0xC400, 0xC800, 0xCC00, 0xD000, 0x8461, 0x8481,  // ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ ㅏ ㅐ
    0x84A1, 0x84C1, 0x84E1, 0x8541, 0x8561, 0x8581, 0x85A1, 0x85C1,  // ㅑ ㅒ ㅓ ㅔ ㅕ ㅖ ㅗ ㅘ
    0x85E1, 0x8641, 0x8661, 0x8681, 0x86A1, 0x86C1, 0x86E1, 0x8741,  // ㅙ ㅚ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ
    0x8761, 0x8781, 0x87A1,                                          // ㅡ ㅢ ㅣ
};

// Component numbers (1-based place in the standard order, 0 = none) of the 5-bit codes.
constexpr uint8_t kInitialNumber[32] = {0,  0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                        10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0};
constexpr uint8_t kMedialNumber[32] = {0, 0, 0,  1,  2,  3,  4,  5,  0, 0, 6,  7,  8,  9,  10, 11,
                                       0, 0, 12, 13, 14, 15, 16, 17, 0, 0, 18, 19, 20, 21, 0,  0};
constexpr uint8_t kFinalNumber[32] = {0,  0,  1, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                      15, 16, 0, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 0,  0};

// The sets vowel m (its component number, 0 = none) gives the initial and the final.
font_layout::VowelSets SetsOfVowel(uint8_t m) {
  return m == 0 ? font_layout::VowelSets{0, 0, 0} : font_layout::kSetsByVowel[m - 1];
}

// The vowel's set base chosen by the initial i (its component number, 0 = none): ㄱ and ㅋ (and
// no initial) take the vowel shapes that leave room for their long stroke.
uint16_t VowelSetBase(uint8_t i, bool withFinal) {
  const bool roomyInitial = (i == 0 || i == 1 || i == 16);
  if (withFinal) {
    return i == 0 ? 0
                  : (roomyInitial ? font_layout::kRoomyVowelSetWithFinal
                                  : font_layout::kVowelSetWithFinal);
  }
  return roomyInitial ? font_layout::kRoomyVowelSet : font_layout::kVowelSet;
}

using font_layout::kAsciiGlyphBytes;
using font_layout::kHangulGlyphBytes;
constexpr size_t kGlyphRows = 16;

// Inks every neighbour of every inked pixel: rows take in the row below, then the row above,
// then each byte spreads one column right and left without crossing into the other half. An
// ASCII glyph has its right bytes clear, so the same steps leave them clear and widen only the
// left half, as the 8 x 16 cell needs.
void WidenGlyph(THangul::TGlyphBuffer& g) {
  for (size_t k = 0; k < kHangulGlyphBytes; ++k) g[k] |= g[k + 2];  // the 17th row is clear
  for (size_t k = kHangulGlyphBytes - 2; k-- > 0;) g[k + 2] |= g[k];
  for (size_t k = 0; k < kHangulGlyphBytes; ++k) g[k] |= g[k] >> 1;
  for (size_t k = 0; k < kHangulGlyphBytes; ++k) g[k] |= static_cast<uint8_t>(g[k] << 1);
}

bool Inked(const THangul::TGlyphBuffer& g, size_t row, size_t column) {
  const uint8_t half = g[2 * row + column / 8];
  return (half >> (7 - column % 8)) & 1;
}

// Says what is wrong with a font file once a run: the talk panes and the controls each load the
// fonts, and a player reading the terminal needs to hear of a short file only once.
void TellOnce(const std::string& fileName, const std::string& message) {
  static std::set<std::string> told;
  if (!told.insert(fileName).second) return;
  platform::WriteMessage(message);
}

// Opens Name, attaches a zeroed buffer of Size bytes to Font and reads what the file holds into
// it. A missing file leaves Font none; a failure while reading keeps the buffer attached.
void LoadFont(const char* Name, size_t Size, std::unique_ptr<std::vector<uint8_t>>& Font) {
  if (Name == nullptr) return;
  std::string fileName = Name;
  if (fileName.find('.') == std::string::npos) fileName += ".Fnt";
  std::optional<platform::DataFile> file = platform::DataFile::Open(fileName);
  if (!file) return;
  Font = std::make_unique<std::vector<uint8_t>>(Size, 0);
  // A short or unreadable font still serves with what it holds (the rest stays blank); the
  // message is for whoever runs the game from a terminal and wonders about missing glyphs.
  try {
    const size_t got = file->ReadUpTo(Font->data(), Size);
    if (got < Size) {
      TellOnce(fileName, platform::Format(_("%s: only %zu of %zu font bytes; the rest is blank"),
                                          fileName.c_str(), got, Size));
    }
    file->Close();
  } catch (const platform::InOutError& error) {
    TellOnce(fileName, error.what());
  }
}

bool IsSyllable(char16_t Unit) { return Unit >= 0xAC00 && Unit <= 0xD7A3; }
bool IsLetter(char16_t Unit) { return Unit >= 0x3131 && Unit <= 0x3163; }

// The Johab code of a syllable (from its initial, medial and final indices) or of a letter.
uint16_t HangulCode(char16_t Unit) {
  if (!IsSyllable(Unit)) return kLetterCode[Unit - 0x3131];
  const int s = Unit - 0xAC00;
  return static_cast<uint16_t>(0x8000 | (kInitialCode[s / 588] << 10) |
                               (kMedialCode[(s % 588) / 28] << 5) | kFinalCode[s % 28]);
}

}  // namespace

int32_t JohabSize(char16_t Unit) {
  if (Unit >= 0x01 && Unit <= 0x7F) return 1;
  if (IsSyllable(Unit) || IsLetter(Unit)) return 2;
  return 0;
}

int32_t WideToJohab(const std::u16string& Source, std::string& Dest) {
  if (Source.empty()) return 0;
  Dest.resize(Source.size() * 2);
  size_t out = 0;
  auto put = [&](uint16_t code) {
    Dest[out++] = static_cast<char>(code >> 8);
    Dest[out++] = static_cast<char>(code & 0xFF);
  };
  for (const char16_t unit : Source) {
    if (unit == 0) break;
    switch (JohabSize(unit)) {
      case 1:
        Dest[out++] = static_cast<char>(unit);
        break;
      case 2:
        put(HangulCode(unit));
        break;
      default:
        break;
    }
  }
  Dest.resize(out);
  return static_cast<int32_t>(out);
}

TRGB SplitColor(platform::ColorWord Color) {
  return TRGB{static_cast<uint8_t>(Color.Value), static_cast<uint8_t>(Color.Value >> 8),
              static_cast<uint8_t>(Color.Value >> 16)};
}

platform::ColorWord JoinColor(uint8_t Red, uint8_t Green, uint8_t Blue) {
  return platform::ColorWord(Red + Green * 256u + Blue * 65536u);
}

THangul::THangul(TPixelEvent OnPixel) : OnPixel(std::move(OnPixel)) {}

void THangul::LoadFonts(const char* AsciiName, const char* HangulName) {
  AsciiFont.reset();
  HangulFont.reset();
  LoadFont(AsciiName, kAsciiFontSize, AsciiFont);
  LoadFont(HangulName, kHangulFontSize, HangulFont);
}

void THangul::Release() {
  AsciiFont.reset();
  HangulFont.reset();
}

void THangul::DrawText(int32_t X, int32_t Y, const std::u16string& Text, platform::ColorWord Color,
                       uint8_t Outline) {
  std::string johab;
  const int32_t length = WideToJohab(Text, johab);
  TGlyphBuffer glyph{};
  int32_t p = 0;
  while (p < length) {
    const uint8_t byte = static_cast<uint8_t>(johab[p]);
    if ((byte & 0x80) && p + 1 < length) {
      if (HangulFont) {
        ComposeHangul(byte, static_cast<uint8_t>(johab[p + 1]), glyph);
        DrawGlyph(X + 8 * p, Y, glyph, Color, Outline);
      }
      p += 2;
    } else {
      if (AsciiFont) {
        BuildAsciiGlyph(byte, glyph);
        DrawGlyph(X + 8 * p, Y, glyph, Color, Outline);
      }
      p += 1;
    }
  }
}

void THangul::DrawGlyph(int32_t X, int32_t Y, TGlyphBuffer& Glyph, platform::ColorWord Color,
                        uint8_t Outline) const {
  if (Outline != 0) {
    const TGlyphBuffer kept = Glyph;
    WidenGlyph(Glyph);
    PlotGlyph(X, Y, Glyph, platform::kBlack);  // the outline is black
    Glyph = kept;
  }
  PlotGlyph(X, Y, Glyph, Color);
}

void THangul::ComposeHangul(uint8_t High, uint8_t Low, TGlyphBuffer& Glyph) const {
  const uint8_t i = kInitialNumber[(High & 0x7C) >> 2];
  const uint8_t m = kMedialNumber[((High & 0x03) << 3) + (Low >> 5)];
  const uint8_t f = kFinalNumber[Low & 0x1F];
  const bool withFinal = f > 0;

  uint16_t initialSet = 0;
  if (withFinal) {
    initialSet = SetsOfVowel(m).InitialWithFinal;
  } else if (i > 0) {
    initialSet = SetsOfVowel(m).InitialPlain;
  }
  const uint16_t vowelSet = VowelSetBase(i, withFinal);
  uint16_t finalSet = 0;
  if (withFinal)
    finalSet = m == 0 ? (i == 0 ? font_layout::kLoneFinalSet : 0) : SetsOfVowel(m).Final;

  const uint8_t* font = HangulFont->data();
  if (initialSet + i > 0) {
    std::memcpy(Glyph.data(), font + (initialSet + i - 1) * kHangulGlyphBytes, kHangulGlyphBytes);
  } else {
    Glyph.fill(0);
  }
  Glyph[32] = Glyph[33] = 0;
  auto overlay = [&](size_t glyphNumber) {
    const uint8_t* source = font + glyphNumber * kHangulGlyphBytes;
    for (size_t k = 0; k < kHangulGlyphBytes; ++k) Glyph[k] |= source[k];
  };
  if (m > 0) overlay(vowelSet + m - 1);
  if (f > 0 && finalSet > 0) overlay(finalSet + f - 1);
}

void THangul::BuildAsciiGlyph(uint8_t Byte, TGlyphBuffer& Glyph) const {
  size_t n = 1;
  if (Byte < 32) {
    n = 0;
  } else if (Byte <= 126) {
    n = Byte - 31;
  }
  Glyph.fill(0);
  const uint8_t* source = AsciiFont->data() + n * kAsciiGlyphBytes;
  for (size_t j = 0; j < kGlyphRows; ++j) Glyph[2 * j] = source[j];
}

void THangul::PlotGlyph(int32_t X, int32_t Y, const TGlyphBuffer& Glyph,
                        platform::ColorWord Color) const {
  if (Mode != kFlat && Mode != kFaded) return;
  auto send = [&](int32_t px, int32_t py, platform::ColorWord color) {
    if (PixelProc != nullptr) {
      PixelProc(px, py, color);
    } else {
      OnPixel(px, py, color);
    }
  };
  if (PixelProc == nullptr && !OnPixel) return;
  const TRGB rgb = SplitColor(Color);
  for (size_t row = 0; row < kGlyphRows; ++row) {
    platform::ColorWord rowColor = Color;
    if (Mode == kFaded) {
      const int r = static_cast<int>(row);
      rowColor = JoinColor(static_cast<uint8_t>(rgb.Red * (FadeRed - r) / FadeRed),
                           static_cast<uint8_t>(rgb.Green * (FadeGreen - r) / FadeGreen),
                           static_cast<uint8_t>(rgb.Blue * (FadeBlue - r) / FadeBlue));
    }
    for (size_t column = 0; column < 16; ++column) {
      if (Inked(Glyph, row, column)) {
        send(X + static_cast<int32_t>(column), Y + static_cast<int32_t>(row), rowColor);
      }
    }
  }
}
