// The game's key codes as the backends and the scripts reach them: the names scripts give keys
// are the model's keys (tests/platform/KeyModel.h), and the desktop and the page know the same
// keys, so a key added to one backend and forgotten in the other shows here. Each backend's own
// map is checked against the model beside this (SdlKeysTest, WebKeysTest, IbusKeysTest).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "KeyModel.h"
#include "platform/input/Keys.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/web/WebKeys.h"

using namespace platform;

namespace {

TEST(KeyMaps, AScriptsKeyNameIsTheModelsKey) {
  const std::pair<const char*, uint16_t> names[] = {
      {"Up", 38},       {"Down", 40},     {"Left", 37},   {"Right", 39},  {"Escape", 27},
      {"Enter", 13},    {"Backspace", 8}, {"Delete", 46}, {"Home", 36},   {"End", 35},
      {"Space", 32},    {"Tab", 9},       {"Shift", 16},  {"Ctrl", 17},   {"Alt", 18},
      {"RAlt", 0xA5},   {"Hangul", 21},   {"Insert", 45}, {"PageUp", 33}, {"PageDown", 34},
      {"CapsLock", 20}, {"Pause", 19},    {"Win", 91},    {"RWin", 92},   {"Apps", 93},
      {"Hanja", 25},    {"a", 'A'},       {"z", 'Z'},     {"0", '0'},     {"9", '9'},
      {"F1", 112},      {"F12", 123},     {";", 186},     {"'", 222},     {"\\", 220},
      {"/", 191},       {"`", 192},
  };
  for (const auto& [name, code] : names) {
    keymodel::ExpectKey(StrokeForName(name, false), StrokeForName(name, true), code, name);
  }
  for (const char* unknown : {"", "F13", "F01", "A", ":", "up", "Numpad5"}) {
    EXPECT_FALSE(StrokeForName(unknown, false)) << unknown;
  }
}

TEST(KeyMaps, TheDesktopAndThePageKnowTheSameKeys) {
  using Key = std::pair<uint16_t, bool>;  // the code and whether it is right Alt
  std::set<Key> desktop, page;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    SDL_Keysym key{};
    key.scancode = static_cast<SDL_Scancode>(scancode);
    if (const auto stroke = StrokeOfSdlKey(key))
      desktop.insert({stroke->VirtualKey, stroke->RightAlt});
  }
  for (const auto& row : kWebKeys) {
    const KeyStroke stroke = StrokeOfKey(row.Game, 0);
    page.insert({stroke.VirtualKey, stroke.RightAlt});
  }
  EXPECT_EQ(desktop, page);
}

}  // namespace
