#include "platform/sdl/SdlKeys.h"

namespace platform {
namespace {

// The game's key code at scancode `code`: the runs of letters, digits and function keys, then the
// table.
std::optional<uint16_t> KeyOf(SDL_Scancode code) {
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) {
    return static_cast<uint16_t>('A' + (code - SDL_SCANCODE_A));
  }
  // SDL's digit row runs 1 to 9, then 0.
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_0) {
    return static_cast<uint16_t>("1234567890"[code - SDL_SCANCODE_1]);
  }
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) {
    return static_cast<uint16_t>(vk::F1 + (code - SDL_SCANCODE_F1));
  }
  return GameCodeOf(kSdlKeys, code);
}

}  // namespace

std::optional<KeyStroke> StrokeOfSdlKey(const SDL_Keysym& key) {
  const auto game = KeyOf(key.scancode);
  if (!game) return std::nullopt;
  return StrokeOfKey(*game, ((key.mod & KMOD_SHIFT) ? kShift : 0) |
                                ((key.mod & KMOD_ALT) ? kAlt : 0) |
                                ((key.mod & KMOD_CTRL) ? kCtrl : 0));
}

}  // namespace platform
