// PlainText: the two small readers every text the game takes from a person shares (the settings
// file, event scripts, the command line): a word without the blanks around it, and a whole
// number in a range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// `text` without the spaces, tabs and carriage returns at either end.
std::string Trimmed(std::string_view text);

// The number `text` spells in decimal digits only (no sign, no blanks), when it lies from `low`
// to `high`; nothing otherwise, however many digits it has.
std::optional<int32_t> WholeNumber(std::string_view text, int32_t low, int32_t high);

}  // namespace platform
