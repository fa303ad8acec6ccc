// Code page 949 from tables that glibc's iconv wrote at build time (tools/cp949table), for the
// builds whose C library converts the code page differently or not at all (the browser's, the
// Windows one). Same rules as the iconv conversions: a character the target cannot hold, or a
// broken sequence, becomes "?"; a broken sequence skips one byte, a surrogate pair counts as one
// character.
#include <cstdint>
#include <vector>

#include "Cp949Table.inc"
#include "platform/system/CodePage.h"

namespace platform {
namespace {

constexpr int kTrails = kCp949LastTrail - kCp949FirstTrail + 1;

char16_t PairCharacter(uint8_t lead, uint8_t trail) {
  if (lead < kCp949FirstLead || lead > kCp949LastLead || trail < kCp949FirstTrail ||
      trail > kCp949LastTrail) {
    return 0;
  }
  return kCp949Pairs[(lead - kCp949FirstLead) * kTrails + (trail - kCp949FirstTrail)];
}

// The code of every character from U+0080 up (0: none), made once from the pair table.
const std::vector<uint16_t>& Codes() {
  static const std::vector<uint16_t> codes = [] {
    std::vector<uint16_t> made(0x10000, 0);
    for (int lead = kCp949FirstLead; lead <= kCp949LastLead; ++lead) {
      for (int trail = kCp949FirstTrail; trail <= kCp949LastTrail; ++trail) {
        const char16_t wide =
            PairCharacter(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
        if (wide != 0 && wide != kCp949Swallowed && made[wide] == 0)
          made[wide] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    for (const Cp949Exception& exception : kCp949Exceptions) {
      if (exception.Character != 0) made[exception.Character] = exception.Code;
    }
    return made;
  }();
  return codes;
}

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string WideToCodePage(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (IsSurrogate(unit)) {
      // A character beyond the Basic Multilingual Plane, or half of one: never in the code page.
      if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
      out += '?';
    } else if (const uint16_t code = Codes()[unit]) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += '?';
    }
  }
  return out;
}

std::u16string CodePageToWide(std::string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<uint8_t>(text[i]);
    if (byte < 0x80) {
      out += static_cast<char16_t>(byte);
      continue;
    }
    const char16_t wide =
        i + 1 < text.size() ? PairCharacter(byte, static_cast<uint8_t>(text[i + 1])) : 0;
    if (wide == 0) {
      out += u'?';  // the lead byte alone is skipped
    } else {
      out += wide == kCp949Swallowed ? u'?' : wide;
      ++i;
    }
  }
  return out;
}

}  // namespace platform
