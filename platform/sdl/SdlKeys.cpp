#include "platform/sdl/SdlKeys.h"

#include <string>

namespace platform {

std::optional<KeyStroke> StrokeOfSdlKey(const SDL_Keysym& key) {
  const bool shift = (key.mod & KMOD_SHIFT) != 0;
  std::optional<KeyStroke> stroke;
  const SDL_Scancode code = key.scancode;
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) {
    stroke = StrokeForName(std::string(1, static_cast<char>('a' + code - SDL_SCANCODE_A)), shift);
  } else if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_0) {
    stroke = StrokeForName(std::string(1, "1234567890"[code - SDL_SCANCODE_1]), shift);
  } else if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) {
    stroke = StrokeForName("F" + std::to_string(code - SDL_SCANCODE_F1 + 1), shift);
  } else if (const char* name = NameOfCode(kSdlKeyNames, code)) {
    stroke = StrokeForName(name, shift);
  }
  if (!stroke) return std::nullopt;
  stroke->Shift = (shift ? kShift : 0) | ((key.mod & KMOD_ALT) ? kAlt : 0) |
                  ((key.mod & KMOD_CTRL) ? kCtrl : 0);
  return stroke;
}

}  // namespace platform
