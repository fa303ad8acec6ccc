#include "platform/system/iconv/Iconv.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/system/CodePage.h"

namespace platform {
namespace {

// One iconv conversion descriptor, opened once per direction and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("text conversion ") + from + " to " + to +
                               " is not available");
    }
  }
  ~Converter() { iconv_close(cd_); }

  // Converts `input`; an input sequence the target cannot hold (or that is malformed) is
  // replaced by `replacement`, skipping `skip(position)` bytes of input.
  template <typename SkipFn>
  std::string Run(const char* input, size_t size, const std::string& replacement, SkipFn skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::vector<char> buffer(size * 4 + 16);
    char* in = const_cast<char*>(input);
    size_t inLeft = size;
    while (inLeft > 0) {
      char* const start = in;
      char* outPtr = buffer.data();
      size_t outLeft = buffer.size();
      const size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      out.append(buffer.data(), outPtr);
      if (result != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or broken sequence, usually at `in`; but glibc takes
      // in some broken code page pairs whole before it reports them, and then nothing is left
      // to skip.
      out += replacement;
      if (in != start && !ConvertsWhole(start, in)) continue;
      const size_t skipped = std::min(inLeft, skip(in, inLeft));
      in += skipped;
      inLeft -= skipped;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer.data(), outPtr);
    return out;
  }

 private:
  // Whether [begin, end) converts without an error; leaves the descriptor in its first state.
  bool ConvertsWhole(char* begin, char* end) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> scratch((end - begin) * 4 + 16);
    char* outPtr = scratch.data();
    size_t outLeft = scratch.size();
    size_t inLeft = end - begin;
    const bool whole = iconv(cd_, &begin, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return whole;
  }

  iconv_t cd_;
};

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Skips one character of UTF-16 input: a surrogate pair counts as one.
size_t SkipWideCharacter(const char* at, size_t left) {
  char16_t first, second;
  std::memcpy(&first, at, sizeof first);
  if (left >= 4 && IsHighSurrogate(first)) {
    std::memcpy(&second, at + 2, sizeof second);
    if (IsLowSurrogate(second)) return 4;
  }
  return 2;
}

// Skips one malformed or unconvertible UTF-8 sequence: the lead byte and its continuation bytes.
size_t SkipUtf8Character(const char* at, size_t left) {
  size_t n = 1;
  while (n < left && (static_cast<unsigned char>(at[n]) & 0xC0) == 0x80 && n < 4) ++n;
  return n;
}

std::string FromWide(Converter& converter, std::u16string_view text, const char* replacement) {
  return converter.Run(reinterpret_cast<const char*>(text.data()), text.size() * 2, replacement,
                       SkipWideCharacter);
}

template <typename SkipFn>
std::u16string ToWide(Converter& converter, std::string_view text, SkipFn skip) {
  const char16_t question = u'?';
  const std::string bytes = converter.Run(
      text.data(), text.size(), std::string(reinterpret_cast<const char*>(&question), 2), skip);
  std::u16string out(bytes.size() / 2, u'\0');
  std::memcpy(out.data(), bytes.data(), out.size() * 2);
  return out;
}

// The conversions the game needs, each opened once per thread and kept.
enum Direction { kWideToCp949, kCp949ToWide, kWideToUtf8, kUtf8ToWide, kDirections };

Converter& ConverterFor(Direction direction) {
  static constexpr const char* kEncodings[kDirections][2] = {
      {"CP949", "UTF-16LE"}, {"UTF-16LE", "CP949"}, {"UTF-8", "UTF-16LE"}, {"UTF-16LE", "UTF-8"}};
  thread_local std::unique_ptr<Converter> open[kDirections];
  if (!open[direction]) {
    open[direction] =
        std::make_unique<Converter>(kEncodings[direction][0], kEncodings[direction][1]);
  }
  return *open[direction];
}

size_t SkipByte(const char*, size_t) { return 1; }

}  // namespace

std::string IconvFromWide(IconvEncoding to, std::u16string_view text) {
  return FromWide(ConverterFor(to == IconvEncoding::Cp949 ? kWideToCp949 : kWideToUtf8), text, "?");
}

std::u16string IconvToWide(IconvEncoding from, std::string_view text) {
  if (from == IconvEncoding::Cp949) return ToWide(ConverterFor(kCp949ToWide), text, SkipByte);
  return ToWide(ConverterFor(kUtf8ToWide), text, SkipUtf8Character);
}

std::string WideToUtf8(std::u16string_view text) {
  return IconvFromWide(IconvEncoding::Utf8, text);
}

std::u16string Utf8ToWide(std::string_view text) { return IconvToWide(IconvEncoding::Utf8, text); }

}  // namespace platform
