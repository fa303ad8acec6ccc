#include "platform/system/Messages.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

namespace platform {
namespace {

// The conversions of a printf pattern, each from its "%" to its conversion letter; "%%" is none.
std::vector<std::string_view> Conversions(std::string_view pattern) {
  std::vector<std::string_view> found;
  for (size_t at = pattern.find('%'); at != std::string_view::npos; at = pattern.find('%', at)) {
    const size_t letter = pattern.find_first_not_of("0123456789.-+ #'$*hljztL", at + 1);
    if (letter == std::string_view::npos) {
      found.push_back(pattern.substr(at));  // a pattern cut short: no translation may add one
      break;
    }
    if (pattern[letter] != '%' || letter != at + 1)
      found.push_back(pattern.substr(at, letter + 1 - at));
    at = letter + 1;
  }
  return found;
}

}  // namespace

bool SameConversions(const char* message, const char* translation) {
  return message == translation || Conversions(message) == Conversions(translation);
}

std::string Format(const char* pattern, ...) {
  va_list arguments;
  va_start(arguments, pattern);
  va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, pattern, measuring);
  va_end(measuring);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, pattern, arguments);
  va_end(arguments);
  return text;
}

void WriteMessage(std::string_view message) {
  std::cerr << kProgramName << ": " << message << "\n";
}

}  // namespace platform
