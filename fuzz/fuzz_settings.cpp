// Fuzz target: the settings file. Whatever the bytes, reading them either refuses them with a
// problem or gives settings that are written back and read again unchanged.
#include <cstdint>
#include <string>

#include "platform/system/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string problem;
  const auto settings = platform::ParseSettings(text, problem);
  if (!settings) {
    if (problem.empty()) __builtin_trap();
    return 0;
  }
  const auto again = platform::ParseSettings(platform::FormatSettings(*settings), problem);
  if (!again || !(*again == *settings)) __builtin_trap();
  return 0;
}
