#include "platform/system/Messages.h"

#include <cstdarg>
#include <cstdio>

namespace platform {

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

}  // namespace platform
