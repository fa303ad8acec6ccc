// Fuzz target: every conversion between wide text, code page 949 and UTF-8 on any bytes. Nothing
// fails, and code-page text made by the game converts back and forth unchanged.
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/system/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::u16string wide(size / 2, u'\0');
  std::memcpy(wide.data(), data, wide.size() * 2);

  const std::string codePage = platform::WideToCodePage(wide);
  if (platform::WideToCodePage(platform::CodePageToWide(codePage)) != codePage) __builtin_trap();
  const std::string utf8 = platform::WideToUtf8(wide);
  if (platform::WideToUtf8(platform::Utf8ToWide(utf8)) != utf8) __builtin_trap();

  platform::CodePageToWide(bytes);
  platform::Utf8ToWide(bytes);
  platform::CodePageToUtf8(bytes);
  platform::Utf8ToCodePage(bytes);
  return 0;
}
