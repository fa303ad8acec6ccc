#include "platform/system/PlainText.h"

#include <charconv>
#include <system_error>

namespace platform {

std::string Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

std::optional<int32_t> WholeNumber(std::string_view text, int32_t low, int32_t high) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  int64_t n = 0;
  const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (failed != std::errc() || end != text.data() + text.size() || n < low || n > high)
    return std::nullopt;
  return static_cast<int32_t>(n);
}

}  // namespace platform
