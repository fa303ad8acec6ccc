// WebCodePage: code page 949 from tables that this system's iconv wrote at build time, for the
// browser version, whose C library converts the code page differently (and cannot encode it).
// Same rules as the iconv conversions: a character the target cannot hold, or a broken
// sequence, becomes "?"; a broken sequence skips one byte, a surrogate pair counts as one
// character.
#pragma once

#include <string>
#include <string_view>

namespace platform::web {

std::string WideToCodePage(std::u16string_view text);
std::u16string CodePageToWide(std::string_view text);

}  // namespace platform::web
