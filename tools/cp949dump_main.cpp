// cp949dump: writes what the game's code page 949 conversion makes of every one- and two-byte
// sequence and of every UTF-16 unit (and of the surrogate pairs and broken pairs around them),
// one line each, so that two builds can be compared: the native one converts with glibc's
// iconv, the browser one with its own tables.
//
//   cp949dump OUT.txt
#include <cstdio>
#include <string>

#include "platform/system/CodePage.h"

namespace {

void PutWide(std::FILE* out, const std::u16string& text) {
  for (const char16_t unit : text) std::fprintf(out, " %04X", static_cast<unsigned>(unit));
  std::fputc('\n', out);
}

void PutBytes(std::FILE* out, const std::string& text) {
  for (const char byte : text) std::fprintf(out, " %02X", static_cast<unsigned char>(byte));
  std::fputc('\n', out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp949dump OUT.txt\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::fprintf(stderr, "cp949dump: cannot write %s\n", argv[1]);
    return 1;
  }
  for (int first = 0; first < 0x100; ++first) {
    const std::string one(1, static_cast<char>(first));
    std::fprintf(out, "%02X:", first);
    PutWide(out, platform::CodePageToWide(one));
    for (int second = 0; second < 0x100; ++second) {
      std::fprintf(out, "%02X %02X:", first, second);
      PutWide(out, platform::CodePageToWide(one + static_cast<char>(second)));
    }
  }
  for (int unit = 0; unit < 0x10000; ++unit) {
    std::fprintf(out, "U+%04X:", unit);
    PutBytes(out, platform::WideToCodePage(std::u16string(1, static_cast<char16_t>(unit))));
  }
  const std::u16string pairs[] = {u"\xD800\xDC00",
                                  u"\xDBFF\xDFFF",
                                  u"\xD800"
                                  u"A",
                                  u"A\xDC00",
                                  u"\xDC00\xD800",
                                  u"\xAC00\xD800"};
  for (const std::u16string& pair : pairs) {
    std::fprintf(out, "U+%04X U+%04X:", static_cast<unsigned>(pair[0]),
                 static_cast<unsigned>(pair[1]));
    PutBytes(out, platform::WideToCodePage(pair));
  }
  // Longer text where a broken pair is followed by more: what comes after it survives.
  const std::string longer[] = {"\xA2\xE8\xB0\xA1",
                                "\xA2\xE8"
                                "A",
                                "\xC7\x41\xB0\xA1", "A\xA2\xE8\xA2\xE8\xB0",
                                "\xB0\xA1\xA2\xE8\xB0\xA1"};
  for (const std::string& text : longer) {
    PutBytes(out, text);
    PutWide(out, platform::CodePageToWide(text));
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
