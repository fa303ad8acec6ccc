// Fuzz target: WideToJohab on any UTF-16 text. The result is two bytes for each Hangul syllable
// or letter and one for each ASCII character before the first NUL, and every two-byte code has
// its top bit set.
#include <cstdint>
#include <cstring>
#include <string>

#include "text/WinHan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  std::string johab = "left over";
  const int32_t length = WideToJohab(text, johab);
  if (text.empty()) return 0;
  if (length != static_cast<int32_t>(johab.size())) __builtin_trap();
  size_t expected = 0;
  for (const char16_t unit : text) {
    if (unit == 0) break;
    if (unit <= 0x7F) {
      expected += 1;
    } else if ((unit >= 0xAC00 && unit <= 0xD7A3) || (unit >= 0x3131 && unit <= 0x3163)) {
      expected += 2;
    }
  }
  if (johab.size() != expected) __builtin_trap();
  return 0;
}
