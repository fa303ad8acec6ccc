// Keyword: what the king looks up for a typed line. Spaces (U+0020) are removed, ASCII A to Z
// become a to z, and only the first four UTF-16 units count, so "  Ka Rv" and "karvxyz" give the
// same keyword as "karv".
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kKeywordLength = 4;

std::u16string KeywordOf(const std::u16string& Line);
