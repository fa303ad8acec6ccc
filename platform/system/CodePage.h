// Text conversion between the game's wide text (UTF-16) and its 8-bit text in Korean code
// page 949, plus UTF-8 for the outside world (scripts, logs, the desktop). A character that the
// target cannot hold becomes "?", as the Windows conversion does; nothing fails and nothing is
// silently dropped.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string WideToCodePage(std::u16string_view text);
std::u16string CodePageToWide(std::string_view text);

std::string WideToUtf8(std::u16string_view text);
std::u16string Utf8ToWide(std::string_view text);

std::string CodePageToUtf8(std::string_view text);
std::string Utf8ToCodePage(std::string_view text);

}  // namespace platform
