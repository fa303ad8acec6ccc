// UTF-8 through Windows's own converter (Windows has no iconv), broken input mended as the iconv
// build mends it, so every build turns the same bytes into the same text: a malformed UTF-8
// sequence becomes "?" and is skipped with its continuation bytes, a lone surrogate becomes "?".
#include <windows.h>

#include "platform/system/CodePage.h"

namespace platform {
namespace {

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The length a UTF-8 sequence's lead byte announces; 0 for a byte that leads none.
size_t AnnouncedLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if ((byte & 0xE0) == 0xC0) return 2;
  if ((byte & 0xF0) == 0xE0) return 3;
  if ((byte & 0xF8) == 0xF0) return 4;
  return 0;
}

// What a broken sequence at `at` takes up: its first byte and the continuation bytes after it,
// four bytes at the most.
size_t BrokenLength(std::string_view text, size_t at) {
  size_t n = 1;
  while (at + n < text.size() && IsContinuation(text[at + n]) && n < 4) ++n;
  return n;
}

// Appends the conversion of `text`; false, appending nothing, when it holds anything invalid.
bool AppendWide(std::string_view text, std::u16string& out) {
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return false;
  const size_t start = out.size();
  out.resize(start + length);
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size,
                      reinterpret_cast<wchar_t*>(out.data() + start), length);
  return true;
}

bool AppendUtf8(std::u16string_view text, std::string& out) {
  if (text.empty()) return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return false;
  const size_t start = out.size();
  out.resize(start + length);
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, size, out.data() + start, length,
                      nullptr, nullptr);
  return true;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToWide(std::string_view text) {
  std::u16string out;
  if (AppendWide(text, out)) return out;
  // Sequence by sequence, where the whole text does not convert.
  for (size_t at = 0; at < text.size();) {
    const size_t length = AnnouncedLength(text[at]);
    bool whole = length > 0 && at + length <= text.size();
    for (size_t n = 1; whole && n < length; ++n) whole = IsContinuation(text[at + n]);
    if (whole && AppendWide(text.substr(at, length), out)) {
      at += length;
    } else {
      out += u'?';
      at += BrokenLength(text, at);
    }
  }
  return out;
}

std::string WideToUtf8(std::u16string_view text) {
  std::string out;
  if (AppendUtf8(text, out)) return out;
  for (size_t at = 0; at < text.size();) {
    const bool pair =
        IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]);
    const size_t length = pair ? 2 : 1;
    if (!AppendUtf8(text.substr(at, length), out)) out += '?';
    at += length;
  }
  return out;
}

}  // namespace platform
