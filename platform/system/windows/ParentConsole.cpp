// A Windows GUI program has no standard output of its own: started from a command prompt, its
// messages (--help, --version, a headless run's complaints) would go nowhere. Before main runs,
// this hands the streams the program was not given to the console of the prompt that started
// it. What reaches a console is written to it in UTF-16 (WriteConsoleW), so Korean shows
// whole whatever the console's code page; a stream that was redirected, or given by the parent
// as under Wine, takes the program's UTF-8 as it is.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>
#include <tuple>

#include "platform/system/CodePage.h"

namespace {

bool Missing(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

// How many bytes at the end of `text` begin a UTF-8 character that has not all arrived yet.
size_t UnfinishedTail(const std::string& text) {
  for (size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

// A stream buffer that writes the program's UTF-8 to a console as UTF-16, whole characters at a
// time (a character split between two writes waits for its end).
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_ += traits_type::to_char_type(c);
    return c == traits_type::eof() ? traits_type::not_eof(c) : c;
  }
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    pending_.append(text, static_cast<size_t>(size));
    // Lines go out as they end, so messages and the game's own window interleave in order.
    if (pending_.find('\n') != std::string::npos) sync();
    return size;
  }
  int sync() override {
    const size_t tail = UnfinishedTail(pending_);
    const std::u16string wide =
        platform::Utf8ToWide(std::string_view(pending_).substr(0, pending_.size() - tail));
    pending_.erase(0, pending_.size() - tail);
    DWORD written = 0;
    for (size_t at = 0; at < wide.size(); at += written) {
      const auto* units = reinterpret_cast<const wchar_t*>(wide.data()) + at;
      if (!WriteConsoleW(console_, units, static_cast<DWORD>(wide.size() - at), &written,
                         nullptr) ||
          written == 0) {
        return -1;
      }
    }
    return 0;
  }

 private:
  HANDLE console_;
  std::string pending_;
};

// Writes `stream` through a ConsoleBuffer while it lives, when the standard handle the stream
// writes to is a console.
class ConsoleStream {
 public:
  ConsoleStream(std::ostream& stream, DWORD which) : stream_(stream) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
      return;
    }
    stream.flush();
    buffer_ = std::make_unique<ConsoleBuffer>(handle);
    replaced_ = stream.rdbuf(buffer_.get());
  }
  ~ConsoleStream() {
    if (buffer_) stream_.rdbuf(replaced_);
  }

 private:
  std::ostream& stream_;
  std::unique_ptr<ConsoleBuffer> buffer_;
  std::streambuf* replaced_ = nullptr;
};

// The streams the program was not given, taken from the parent's console.
bool FromParentConsole() {
  const bool output = Missing(STD_OUTPUT_HANDLE), errors = Missing(STD_ERROR_HANDLE);
  if (!(output || errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  for (const auto& [missing, which, file] :
       {std::tuple{output, STD_OUTPUT_HANDLE, stdout}, {errors, STD_ERROR_HANDLE, stderr}}) {
    if (!missing) continue;
    SetStdHandle(which, CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
    std::freopen("CONOUT$", "w", file);
  }
  return true;
}

[[maybe_unused]] const bool attached = FromParentConsole();
// After the streams are found, in this order (one file's objects are made in order).
const ConsoleStream output(std::cout, STD_OUTPUT_HANDLE), errors(std::cerr, STD_ERROR_HANDLE);

}  // namespace
