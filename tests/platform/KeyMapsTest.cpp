// The game's key codes as the scripts reach them: the names scripts give keys are the model's keys
// (tests/platform/KeyModel.h). Each backend's own map is checked against the model beside this,
// down to reaching every key of the game (SdlKeysTest, WebKeysTest, IbusKeysTest).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "KeyModel.h"
#include "platform/input/Keys.h"

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

}  // namespace
