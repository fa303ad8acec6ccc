// Color: the two ways this program writes a colour as a 32-bit word. Game code speaks in colour
// words, red in the low byte (0x00BBGGRR); bitmaps store pixels, blue in the low byte
// (0x00RRGGBB), as the window and image files want them. Each has a type of its own, so one is
// never taken for the other, and ToPixel / ToColorWord are the one place that swaps the bytes.
#pragma once

#include <cstdint>

namespace platform {

// A colour as the game names it: 0x00BBGGRR.
struct ColorWord {
  uint32_t Value = 0;

  constexpr ColorWord() = default;
  constexpr explicit ColorWord(uint32_t value) : Value(value) {}
  friend constexpr bool operator==(ColorWord, ColorWord) = default;
};

// A colour as a bitmap stores it: 0x00RRGGBB.
struct Pixel {
  uint32_t Value = 0;

  constexpr Pixel() = default;
  constexpr explicit Pixel(uint32_t value) : Value(value) {}
  friend constexpr bool operator==(Pixel, Pixel) = default;
};

namespace detail {
// Red and blue trade places; green stays. The swap is its own inverse.
constexpr uint32_t SwapRedBlue(uint32_t word) {
  return ((word & 0xFFu) << 16) | (word & 0xFF00u) | ((word >> 16) & 0xFFu);
}
}  // namespace detail

constexpr Pixel ToPixel(ColorWord color) { return Pixel(detail::SwapRedBlue(color.Value)); }
constexpr ColorWord ToColorWord(Pixel pixel) { return ColorWord(detail::SwapRedBlue(pixel.Value)); }

constexpr ColorWord kWhite{0x00FFFFFF};
constexpr ColorWord kBlack{0x00000000};

}  // namespace platform
