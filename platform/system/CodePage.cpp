// The conversions between code page 949 and UTF-8 go through wide text, whichever way each side
// is converted on this system.
#include "platform/system/CodePage.h"

namespace platform {

std::string CodePageToUtf8(std::string_view text) { return WideToUtf8(CodePageToWide(text)); }

std::string Utf8ToCodePage(std::string_view text) { return WideToCodePage(Utf8ToWide(text)); }

}  // namespace platform
