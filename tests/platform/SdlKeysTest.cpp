// The SDL window's key map: every scancode the game knows is the model's key (tests/platform/
// KeyModel.h), the same keys it has always known, and every other scancode is nothing.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "KeyModel.h"
#include "platform/sdl/SdlKeys.h"

using namespace platform;

namespace {

SDL_Keysym Keysym(SDL_Scancode code, uint16_t mod = KMOD_NONE) {
  SDL_Keysym key{};
  key.scancode = code;
  key.mod = mod;
  return key;
}

// The keys outside the runs of letters, digits and F1..F12, with their Windows virtual-key codes.
const std::map<SDL_Scancode, uint16_t> kKnownKeys = {
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_LSHIFT, 16},
    {SDL_SCANCODE_RSHIFT, 16},
    {SDL_SCANCODE_LCTRL, 17},
    {SDL_SCANCODE_RCTRL, 17},
    {SDL_SCANCODE_LALT, 18},
    {SDL_SCANCODE_RALT, 0xA5},
    {SDL_SCANCODE_LANG1, 21},
    {SDL_SCANCODE_LANG2, 25},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
};

std::optional<uint16_t> ExpectedCode(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + (scancode - SDL_SCANCODE_A);
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return '1' + (scancode - SDL_SCANCODE_1);
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
    return 112 + (scancode - SDL_SCANCODE_F1);
  }
  const auto known = kKnownKeys.find(static_cast<SDL_Scancode>(scancode));
  if (known != kKnownKeys.end()) return known->second;
  return std::nullopt;
}

TEST(SdlKeys, EveryScancodeIsTheModelsKeyOrNothing) {
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const auto code = static_cast<SDL_Scancode>(scancode);
    const std::string what = "scancode " + std::to_string(scancode);
    const auto plain = StrokeOfSdlKey(Keysym(code));
    if (const auto expected = ExpectedCode(scancode)) {
      keymodel::ExpectKey(plain, StrokeOfSdlKey(Keysym(code, KMOD_RSHIFT)), *expected, what);
    } else {
      EXPECT_FALSE(plain) << what;
    }
  }
}

TEST(SdlKeys, AltAndCtrlReachTheStrokeWithShift) {
  const auto a = StrokeOfSdlKey(Keysym(SDL_SCANCODE_A, KMOD_LSHIFT | KMOD_LCTRL));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->Ascii, 'A');
  EXPECT_EQ(a->Shift, kShift | kCtrl);

  const auto rightAlt = StrokeOfSdlKey(Keysym(SDL_SCANCODE_RALT, KMOD_RALT));
  ASSERT_TRUE(rightAlt);
  EXPECT_EQ(rightAlt->Shift, kAlt);
  EXPECT_TRUE(rightAlt->RightAlt);
}

TEST(SdlKeys, ReachEveryKeyOfTheGame) {
  std::set<keymodel::GameKey> reached;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    if (const auto stroke = StrokeOfSdlKey(Keysym(static_cast<SDL_Scancode>(scancode))))
      reached.insert({stroke->VirtualKey, stroke->RightAlt});
  }
  EXPECT_EQ(reached, keymodel::GameKeys());
}

}  // namespace
