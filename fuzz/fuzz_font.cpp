// Fuzz target: the font loader with a font file of the fuzzer's bytes, then DrawText of the
// fuzzer's text in every mode, with and without the outline, far off the surface as well.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "app/DataFiles.h"
#include "platform/image/Bitmap.h"
#include "text/WinHan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  fuzz_support::EnterScratchDataFolder();
  // Byte 0: which font and how to draw; bytes 1-2: the font's length; then the font, then the
  // text as UTF-16.
  const bool hangulFont = data[0] & 1;
  const size_t fontLength = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
  const char* name = hangulFont ? kHangulFontFile : kAsciiFontFile;
  fuzz_support::WriteFile(name, data + 3, fontLength);
  // Text far longer than a pane's line only repeats what a line already reaches.
  constexpr size_t kLongestText = 1024;
  std::u16string text(std::min((size - 3 - fontLength) / 2, kLongestText), u'\0');
  std::memcpy(text.data(), data + 3 + fontLength, text.size() * 2);

  platform::Bitmap surface(400, 96);
  THangul hangul(
      [&](int32_t x, int32_t y, platform::ColorWord color) { surface.SetPixel(x, y, color); });
  hangul.LoadFonts(kAsciiFontFile, (data[0] & 2) ? "H01" : kHangulFontFile);
  hangul.Mode = (data[0] >> 2) % 3;
  const uint8_t outline = (data[0] >> 4) & 1;
  hangul.DrawText(0, 0, text, platform::ColorWord{0x00C04020}, outline);
  hangul.DrawText(-20, 90, text, platform::ColorWord{0x00206080}, outline);
  hangul.DrawText(-1000, 1000, text, platform::ColorWord{0x000000FF}, outline);
  hangul.Release();
  fuzz_support::RestoreFile(name);
  return 0;
}
