// The page's key map: every KeyboardEvent.code the game knows is the model's key (tests/platform/
// KeyModel.h), the same keys the page has always known, and no other code is a key.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "KeyModel.h"
#include "platform/web/WebKeys.h"

using namespace platform;

namespace {

// Every code the page knows, with its Windows virtual-key code.
std::vector<std::pair<std::string, uint16_t>> KnownCodes() {
  std::vector<std::pair<std::string, uint16_t>> codes = {
      {"ArrowUp", 38},     {"ArrowDown", 40},    {"ArrowLeft", 37},
      {"ArrowRight", 39},  {"Escape", 27},       {"Enter", 13},
      {"NumpadEnter", 13}, {"Backspace", 8},     {"Delete", 46},
      {"Home", 36},        {"End", 35},          {"Space", 32},
      {"Tab", 9},          {"ShiftLeft", 16},    {"ShiftRight", 16},
      {"ControlLeft", 17}, {"ControlRight", 17}, {"AltLeft", 18},
      {"AltRight", 0xA5},  {"Lang1", 21},        {"Lang2", 25},
      {"Insert", 45},      {"PageUp", 33},       {"PageDown", 34},
      {"CapsLock", 20},    {"Pause", 19},        {"MetaLeft", 91},
      {"MetaRight", 92},   {"ContextMenu", 93},  {"Minus", 189},
      {"Equal", 187},      {"BracketLeft", 219}, {"BracketRight", 221},
      {"Backslash", 220},  {"Semicolon", 186},   {"Quote", 222},
      {"Backquote", 192},  {"Comma", 188},       {"Period", 190},
      {"Slash", 191},
  };
  for (char c = 'A'; c <= 'Z'; ++c) codes.push_back({std::string("Key") + c, c});
  for (char c = '0'; c <= '9'; ++c) codes.push_back({std::string("Digit") + c, c});
  for (int n = 1; n <= 12; ++n) codes.push_back({"F" + std::to_string(n), 111 + n});
  return codes;
}

std::optional<KeyStroke> StrokeOfCode(const std::string& code, ShiftState shift) {
  const auto key = KeyOfWebCode(code);
  return key ? std::optional(StrokeOfKey(*key, shift)) : std::nullopt;
}

TEST(WebKeys, EveryKnownCodeIsTheModelsKey) {
  const auto known = KnownCodes();
  for (const auto& [code, expected] : known) {
    keymodel::ExpectKey(StrokeOfCode(code, 0), StrokeOfCode(code, kShift), expected, code);
  }
  // And the map holds nothing else.
  EXPECT_EQ(std::size(kWebKeys), known.size());
}

TEST(WebKeys, ACodeTheGameDoesNotKnowIsNoKey) {
  for (const char* code : {"", "F13", "F0", "Numpad5", "KeyAA", "Key", "keya", "Digit", "Fn",
                           "IntlBackslash", "ArrowUp "}) {
    EXPECT_FALSE(KeyOfWebCode(code)) << code;
  }
}

TEST(WebKeys, ReachEveryKeyOfTheGame) {
  std::set<keymodel::GameKey> reached;
  for (const auto& row : kWebKeys) {
    const KeyStroke stroke = StrokeOfKey(row.Game, 0);
    reached.insert({stroke.VirtualKey, stroke.RightAlt});
  }
  EXPECT_EQ(reached, keymodel::GameKeys());
}

}  // namespace
