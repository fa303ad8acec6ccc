// The browser's translations: the page picks the language from the browser's and translates
// with its table made from po/ (Module.translate), for its own messages and the game's alike.
#include <emscripten/emscripten.h>

#include <string>
#include <unordered_map>

#include "platform/system/Messages.h"

// clang-format off
// The translation's length in UTF-8 bytes, and the translation itself.
EM_JS(int, WebTranslatedLength, (const char* message), {
  const text = UTF8ToString(message);
  return lengthBytesUTF8(Module.translate ? Module.translate(text) : text);
});

EM_JS(void, WebCopyTranslated, (const char* message, char* buffer, int size), {
  const text = UTF8ToString(message);
  stringToUTF8(Module.translate ? Module.translate(text) : text, buffer, size);
});
// clang-format on

namespace platform {

void UsePlayersLanguage() {}

const char* Translate(const char* message) {
  // Messages are literals, so each one is asked for once and its translation kept.
  static std::unordered_map<const char*, std::string> translated;
  auto [found, added] = translated.try_emplace(message);
  if (added) {
    const int length = WebTranslatedLength(message);
    found->second.assign(static_cast<size_t>(length) + 1, '\0');
    WebCopyTranslated(message, found->second.data(), length + 1);
    found->second.resize(static_cast<size_t>(length));
  }
  return found->second.c_str();
}

}  // namespace platform
