#include "platform/system/windows/SystemReason.h"

#include <windows.h>

#include <string_view>

#include "platform/system/CodePage.h"

namespace platform {

std::string SystemReason(unsigned long code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  // Windows's wide characters are UTF-16 units.
  std::u16string_view wide(reinterpret_cast<const char16_t*>(text), length);
  while (!wide.empty() && (wide.back() == u'\r' || wide.back() == u'\n' || wide.back() == u' ' ||
                           wide.back() == u'.')) {
    wide.remove_suffix(1);
  }
  const std::string reason = WideToUtf8(wide);
  LocalFree(text);
  return reason.empty() ? "system error " + std::to_string(code) : reason;
}

}  // namespace platform
