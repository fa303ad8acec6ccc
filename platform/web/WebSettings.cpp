#include "platform/web/WebSettings.h"

#include <emscripten/emscripten.h>

#include <string>

#include "platform/system/Messages.h"
#include "platform/system/ProgramName.h"

namespace platform {
namespace {

// The key the page keeps the settings under: the settings file's own name.
const char* StorageKey() {
  static const std::string key = SettingsFileName();
  return key.c_str();
}

// clang-format off
// The kept text's length in UTF-8 bytes, or -1 when nothing is kept or storage is closed to the
// page.
EM_JS(int, WebStoredLength, (const char* key), {
  try {
    const text = window.localStorage.getItem(UTF8ToString(key));
    return text === null ? -1 : lengthBytesUTF8(text);
  } catch (e) {
    return -1;
  }
});

EM_JS(void, WebCopyStored, (const char* key, char* buffer, int size), {
  try {
    stringToUTF8(window.localStorage.getItem(UTF8ToString(key)) || "", buffer, size);
  } catch (e) {
    stringToUTF8("", buffer, size);
  }
});

EM_JS(void, WebStore, (const char* key, const char* text), {
  try {
    window.localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
  } catch (e) {
  }
});
// clang-format on

}  // namespace

std::string WebSettings::Name() const {
  return Format(_("settings kept by the page (%s)"), StorageKey());
}

Result<std::optional<std::string>> WebSettings::Read(size_t most) {
  const int length = WebStoredLength(StorageKey());
  if (length < 0) return std::optional<std::string>();
  if (static_cast<size_t>(length) > most) return Problem{_("larger than a settings file can be")};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  WebCopyStored(StorageKey(), text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return std::optional<std::string>(std::move(text));
}

Result<void> WebSettings::Write(const std::string& text) {
  WebStore(StorageKey(), text.c_str());
  return {};
}

}  // namespace platform
