// Code page 949 through glibc's iconv, which converts it exactly as the game expects.
#include "platform/system/CodePage.h"
#include "platform/system/iconv/Iconv.h"

namespace platform {

std::string WideToCodePage(std::u16string_view text) {
  return IconvFromWide(IconvEncoding::Cp949, text);
}

std::u16string CodePageToWide(std::string_view text) {
  return IconvToWide(IconvEncoding::Cp949, text);
}

}  // namespace platform
