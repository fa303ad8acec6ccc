// Iconv: the game's wide text to and from another encoding through the C library's iconv, one
// descriptor a direction, opened once per thread and kept. A character the target cannot hold
// becomes "?"; a broken input sequence becomes "?" and skips one byte (code page 949) or one
// UTF-8 character. UTF-8 always converts this way where iconv exists (WideToUtf8, Utf8ToWide are
// defined beside it); code page 949 does on systems whose iconv holds glibc's tables
// (IconvCodePage.cpp), and comes from tables written at build time elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class IconvEncoding { Cp949, Utf8 };

std::string IconvFromWide(IconvEncoding to, std::u16string_view text);
std::u16string IconvToWide(IconvEncoding from, std::string_view text);

}  // namespace platform
