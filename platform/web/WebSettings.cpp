#include "platform/web/WebSettings.h"

#include <emscripten/emscripten.h>

namespace platform {
namespace {

constexpr char kStorageKey[] = "vesk.conf";

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

Settings WebSettings::Load(std::string& message) {
  kept_ = {};
  message.clear();
  const int length = WebStoredLength(kStorageKey);
  if (length < 0) return kept_;
  auto ignored = [&](const std::string& why) {
    message = std::string("settings kept by the page (") + kStorageKey + ") ignored: " + why;
    return Settings{};
  };
  if (static_cast<size_t>(length) > kMaxSettingsBytes)
    return ignored("larger than a settings file can be");
  std::string text(static_cast<size_t>(length) + 1, '\0');
  WebCopyStored(kStorageKey, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  std::string problem;
  const auto settings = ParseSettings(text, problem);
  if (!settings) return ignored(problem);
  kept_ = *settings;
  return kept_;
}

void WebSettings::Keep(const Settings& settings) {
  if (settings == kept_) return;
  WebStore(kStorageKey, FormatSettings(settings).c_str());
  kept_ = settings;
}

}  // namespace platform
