// WinHan: Korean text for the game's bitmap fonts. WideToJohab turns UTF-16 text into the Johab
// byte string the renderer walks; THangul holds the 8 x 16 ASCII font and the 16 x 16 Hangul
// component font, composes each syllable from up to three component glyphs and sends every inked
// pixel to a pixel sink, so one renderer can draw on any surface.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/image/Color.h"
#include "text/FontLayout.h"

// Length-counted: a Johab byte string may hold 0x00 bytes.
int32_t WideToJohab(const std::u16string& Source, std::string& Dest);
// The bytes WideToJohab makes of one UTF-16 unit, each one 8-pixel column of the renderer: 1 for
// ASCII, 2 for a Hangul syllable or letter, 0 for anything it leaves out (a NUL ends the text).
int32_t JohabSize(char16_t Unit);

// An operation bound to an object: (X, Y, colour word).
using TPixelEvent = std::function<void(int32_t X, int32_t Y, platform::ColorWord Color)>;
using TPixelProc = void (*)(int32_t X, int32_t Y, platform::ColorWord Color);

struct TRGB {
  uint8_t Red, Green, Blue;
};
TRGB SplitColor(platform::ColorWord Color);
platform::ColorWord JoinColor(uint8_t Red, uint8_t Green, uint8_t Blue);

class THangul {
 public:
  static constexpr size_t kAsciiFontSize = font_layout::kAsciiFontSize;
  static constexpr size_t kHangulFontSize = font_layout::kHangulFontSize;

  explicit THangul(TPixelEvent OnPixel);

  // Either name may be null; a name without "." gets ".Fnt" appended. Short files are accepted.
  void LoadFonts(const char* AsciiName, const char* HangulName);
  void DrawText(int32_t X, int32_t Y, const std::u16string& Text, platform::ColorWord Color,
                uint8_t Outline);
  // Frees both fonts; the owner then drops the renderer itself.
  void Release();

  std::unique_ptr<std::vector<uint8_t>> AsciiFont;   // 1536 bytes, or none
  std::unique_ptr<std::vector<uint8_t>> HangulFont;  // 16000 bytes, or none
  // How DrawText colours glyphs; the owner sets it after creating the renderer. Any other value
  // composes glyphs but sends no pixel.
  static constexpr uint8_t kFlat = 0;   // one flat colour
  static constexpr uint8_t kFaded = 1;  // each glyph row a little darker towards the bottom
  uint8_t Mode = kFlat;
  uint8_t FadeRed = 24;
  uint8_t FadeGreen = 24;
  uint8_t FadeBlue = 24;
  TPixelProc PixelProc = nullptr;
  TPixelEvent OnPixel;

  // One composed glyph: 16 rows of 2 bytes (left half, right half; bit 7 is the leftmost
  // column), then a 17th row that stays clear so the outline can read "the row below row 15".
  using TGlyphBuffer = std::array<uint8_t, 34>;

  // Sends the inked pixels of Glyph to the pixel sink, row by row, flat or faded by Mode.
  void PlotGlyph(int32_t X, int32_t Y, const TGlyphBuffer& Glyph, platform::ColorWord Color) const;

 private:
  void DrawGlyph(int32_t X, int32_t Y, TGlyphBuffer& Glyph, platform::ColorWord Color,
                 uint8_t Outline) const;
  void ComposeHangul(uint8_t High, uint8_t Low, TGlyphBuffer& Glyph) const;
  void BuildAsciiGlyph(uint8_t Byte, TGlyphBuffer& Glyph) const;
};
