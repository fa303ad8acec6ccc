#include "platform/system/windows/SystemReason.h"

#include <windows.h>

#include <string_view>

namespace platform {

std::string SystemReason(unsigned long code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring_view wide(text, length);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ' ||
                           wide.back() == L'.')) {
    wide.remove_suffix(1);
  }
  std::string reason;
  if (!wide.empty()) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    reason.resize(static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), reason.data(), size,
                        nullptr, nullptr);
  }
  LocalFree(text);
  return reason.empty() ? "system error " + std::to_string(code) : reason;
}

}  // namespace platform
