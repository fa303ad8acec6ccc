// utf8dump: writes what the game's UTF-8 conversion makes of every one- and two-byte sequence, of
// the three- and four-byte sequences that start like a character, with their last byte right and
// wrong, of every UTF-16 unit and of the surrogate pairs around them, one line each, so that two
// builds can be compared: the iconv one and the Windows one, which mends broken text itself.
//
//   utf8dump OUT.txt
#include <cstdio>
#include <string>

#include "platform/system/CodePage.h"

namespace {

void PutSequence(std::FILE* out, const std::string& bytes) {
  for (const char byte : bytes) std::fprintf(out, "%02X ", static_cast<unsigned char>(byte));
  std::fputc(':', out);
  for (const char16_t unit : platform::Utf8ToWide(bytes)) {
    std::fprintf(out, " %04X", static_cast<unsigned>(unit));
  }
  std::fputc('\n', out);
}

void PutUnits(std::FILE* out, const std::u16string& units) {
  for (const char16_t unit : units) std::fprintf(out, "U+%04X ", static_cast<unsigned>(unit));
  std::fputc(':', out);
  for (const char byte : platform::WideToUtf8(units)) {
    std::fprintf(out, " %02X", static_cast<unsigned char>(byte));
  }
  std::fputc('\n', out);
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes += static_cast<char>(value);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: utf8dump OUT.txt\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::fprintf(stderr, "utf8dump: cannot write %s\n", argv[1]);
    return 1;
  }
  for (int first = 0; first < 0x100; ++first) {
    PutSequence(out, Bytes({first}));
    for (int second = 0; second < 0x100; ++second) PutSequence(out, Bytes({first, second}));
  }
  // The last byte a continuation byte at its edges, or not one (the sequence cut short).
  const int lasts[] = {0x41, 0x80, 0xBF, 0xC0};
  for (int lead = 0xE0; lead <= 0xEF; ++lead) {
    for (int second = 0x80; second <= 0xBF; ++second) {
      for (const int last : lasts) PutSequence(out, Bytes({lead, second, last}));
    }
  }
  for (int lead = 0xF0; lead <= 0xF7; ++lead) {
    for (int second = 0x80; second <= 0xBF; ++second) {
      for (const int last : lasts) PutSequence(out, Bytes({lead, second, 0x80, last}));
    }
  }
  PutSequence(out, Bytes({0xF8, 0x88, 0x80, 0x80, 0x80, 0x41}));  // a five-byte form
  PutSequence(out, Bytes({0x41, 0xE2, 0x82, 0xAC, 0x80, 0x80, 0x42}));
  for (int unit = 0; unit < 0x10000; ++unit)
    PutUnits(out, std::u16string(1, static_cast<char16_t>(unit)));
  for (const std::u16string& units :
       {std::u16string(u"\xD800\xDC00"), std::u16string(u"\xDBFF\xDFFF"),
        std::u16string(u"\xD800"
                       u"A"),
        std::u16string(u"\xDC00\xD800"), std::u16string(u"A\xD800\xD800\xDC00")}) {
    PutUnits(out, units);
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
