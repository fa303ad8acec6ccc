// Fuzz target: the settings file. Whatever the bytes, reading them either refuses them with a
// problem or gives settings that, written into a fresh text, read back unchanged and whole.
#include <cstdint>
#include <string>

#include "platform/system/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = platform::SettingsLines::Parse(text);
  if (!lines) {
    if (lines.Error().Message.empty()) __builtin_trap();
    return 0;
  }
  const auto again =
      platform::SettingsLines::Parse(platform::SettingsLines().With(lines->Values()));
  if (!again || !again->Problems().empty() || !(again->Values() == lines->Values()))
    __builtin_trap();
  return 0;
}
