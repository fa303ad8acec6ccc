// cp949table: writes code page 949 as this system's iconv converts it, as C++ tables for builds
// that have no such iconv (the browser's C library decodes the code page differently and cannot
// encode it). The tables hold every two-byte character; one-byte text is ASCII. The program
// checks that iconv keeps to that shape and stops with a message if it does not.
//
//   cp949table OUT.inc
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kFirstLead = 0x81, kLastLead = 0xFE, kFirstTrail = 0x41, kLastTrail = 0xFE;
constexpr char16_t kSwallowed = 0xFFFF;  // a broken pair that iconv takes in whole

// What iconv makes of `input` in one call: the output, or false when it stops at an error, with
// the count of bytes it took in `consumed`.
bool Convert(iconv_t cd, const std::string& input, std::string& output,
             size_t* consumed = nullptr) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buffer[16];
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char* out = buffer;
  size_t outLeft = sizeof buffer;
  const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
  output.assign(buffer, out);
  if (consumed) *consumed = input.size() - inLeft;
  return converted;
}

char16_t WideOf(const std::string& utf16) {
  return static_cast<char16_t>(static_cast<uint8_t>(utf16[0]) | static_cast<uint8_t>(utf16[1])
                                                                    << 8);
}

int Fail(const std::string& problem) {
  std::fprintf(stderr, "cp949table: %s\n", problem.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: cp949table OUT.inc");
  iconv_t decoder = iconv_open("UTF-16LE", "CP949");
  iconv_t encoder = iconv_open("CP949", "UTF-16LE");
  if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
    return Fail("iconv has no CP949");
  }
  std::string out;
  for (int byte = 0; byte < 256; ++byte) {
    const bool decodes = Convert(decoder, std::string(1, static_cast<char>(byte)), out);
    if (byte < 0x80 && !(decodes && out.size() == 2 && WideOf(out) == byte)) {
      return Fail("a byte below 0x80 is not ASCII");
    }
    if (byte >= 0x80 && decodes) return Fail("a byte from 0x80 up is a character on its own");
  }

  // Two-byte characters; a pair outside the table's bounds must be no character.
  std::vector<char16_t> pairs;
  std::map<char16_t, uint16_t> encodes;  // each character's first code, as the inverse
  for (int lead = 0x80; lead < 0x100; ++lead) {
    for (int trail = 0; trail < 0x100; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      size_t consumed = 0;
      const bool decodes = Convert(decoder, pair, out, &consumed) && out.size() == 2;
      // glibc takes in some broken pairs whole (a code in the table's range with no character)
      // before it reports them, and stops at the lead byte of the others.
      const bool swallowed = !decodes && consumed == 2;
      if (!decodes && consumed != 0 && consumed != 2) return Fail("iconv stops inside a pair");
      const bool inside =
          lead >= kFirstLead && lead <= kLastLead && trail >= kFirstTrail && trail <= kLastTrail;
      if ((decodes || swallowed) && !inside) return Fail("a pair outside the table is taken");
      if (decodes && (WideOf(out) == 0 || WideOf(out) == kSwallowed)) {
        return Fail("a pair decodes to U+0000 or U+FFFF");
      }
      if (inside) pairs.push_back(decodes ? WideOf(out) : swallowed ? kSwallowed : 0);
      if (decodes) encodes.emplace(WideOf(out), static_cast<uint16_t>(lead << 8 | trail));
    }
  }

  // The encoder, character by character, wherever it differs from the table's inverse.
  std::vector<std::pair<char16_t, uint16_t>> exceptions;
  for (int wide = 0x80; wide < 0x10000; ++wide) {
    if (wide >= 0xD800 && wide <= 0xDFFF) continue;
    const std::string unit{static_cast<char>(wide & 0xFF), static_cast<char>(wide >> 8)};
    uint16_t code = 0;
    if (Convert(encoder, unit, out)) {
      if (out.size() != 2) return Fail("a character from U+0080 up is not two bytes");
      code =
          static_cast<uint16_t>(static_cast<uint8_t>(out[0]) << 8 | static_cast<uint8_t>(out[1]));
    }
    const auto inverse = encodes.find(static_cast<char16_t>(wide));
    const uint16_t expected = inverse == encodes.end() ? 0 : inverse->second;
    if (code != expected) exceptions.emplace_back(static_cast<char16_t>(wide), code);
  }
  for (int ascii = 0; ascii < 0x80; ++ascii) {
    const std::string unit{static_cast<char>(ascii), '\0'};
    if (!Convert(encoder, unit, out) || out != std::string(1, static_cast<char>(ascii))) {
      return Fail("ASCII does not encode as itself");
    }
  }
  iconv_close(decoder);
  iconv_close(encoder);

  std::ofstream file(argv[1], std::ios::binary);
  file << "// Code page 949 as glibc's iconv converts it, written by cp949table.\n"
       << "constexpr int kCp949FirstLead = " << kFirstLead << ", kCp949LastLead = " << kLastLead
       << ";\nconstexpr int kCp949FirstTrail = " << kFirstTrail
       << ", kCp949LastTrail = " << kLastTrail << ";\n"
       << "// The character of each pair, lead by lead; 0: no character, iconv stops at its lead\n"
       << "// byte; 0xFFFF: no character, iconv takes in both bytes before it reports it.\n"
       << "constexpr char16_t kCp949Swallowed = 0xFFFF;\n"
       << "constexpr char16_t kCp949Pairs[] = {";
  for (size_t i = 0; i < pairs.size(); ++i) file << (i % 16 ? " " : "\n") << int(pairs[i]) << ",";
  file << "\n};\n"
       << "// Characters whose code is not the first pair that decodes to them; code 0: none.\n"
       << "struct Cp949Exception { char16_t Character; uint16_t Code; };\n"
       << "constexpr Cp949Exception kCp949Exceptions[] = {\n";
  for (const auto& [wide, code] : exceptions) file << "{" << int(wide) << ", " << code << "},\n";
  file << "{0, 0}};\n";
  if (!file) return Fail(std::string("cannot write ") + argv[1]);
  std::fprintf(stderr, "cp949table: %zu characters, %zu exceptions\n", encodes.size(),
               exceptions.size());
  return 0;
}
