// The test's own model of the game's key codes, written out from the Windows virtual-key codes
// and the US layout rather than read from the game's tables: what each code is and types, without
// and with Shift. The backends' key map tests check every key of a map against it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/input/Keys.h"

namespace keymodel {

struct ModelKey {
  uint16_t VirtualKey;  // as the stroke carries it
  char Plain;
  char Shifted;
  bool RightAlt = false;
};

inline ModelKey Model(uint16_t code) {
  if (code >= 'A' && code <= 'Z') {
    return {code, static_cast<char>(code - 'A' + 'a'), static_cast<char>(code)};
  }
  if (code >= '0' && code <= '9') {
    return {code, static_cast<char>(code), ")!@#$%^&*("[code - '0']};
  }
  switch (code) {
    case 8:  // Backspace
      return {8, 8, 8};
    case 13:  // Enter
      return {13, 13, 13};
    case 27:  // Escape
      return {27, 27, 27};
    case 32:
      return {32, ' ', ' '};
    case 0xA5:  // right Alt: Alt, marked
      return {18, 0, 0, true};
    case 186:
      return {186, ';', ':'};
    case 187:
      return {187, '=', '+'};
    case 188:
      return {188, ',', '<'};
    case 189:
      return {189, '-', '_'};
    case 190:
      return {190, '.', '>'};
    case 191:
      return {191, '/', '?'};
    case 192:
      return {192, '`', '~'};
    case 219:
      return {219, '[', '{'};
    case 220:
      return {220, '\\', '|'};
    case 221:
      return {221, ']', '}'};
    case 222:
      return {222, '\'', '"'};
  }
  return {code, 0, 0};  // Tab and the keys that type nothing
}

// The stroke a map gives to one of its keys, without Shift (`plain`) and with it (`shifted`), is
// the model's key `code`.
inline void ExpectKey(const std::optional<platform::KeyStroke>& plain,
                      const std::optional<platform::KeyStroke>& shifted, uint16_t code,
                      const std::string& what) {
  const ModelKey model = Model(code);
  ASSERT_TRUE(plain && shifted) << what;
  EXPECT_EQ(plain->VirtualKey, model.VirtualKey) << what;
  EXPECT_EQ(shifted->VirtualKey, model.VirtualKey) << what;
  EXPECT_EQ(plain->Ascii, model.Plain) << what;
  EXPECT_EQ(shifted->Ascii, model.Shifted) << what;
  EXPECT_EQ(plain->RightAlt, model.RightAlt) << what;
  EXPECT_EQ(plain->Shift, 0) << what;
  EXPECT_EQ(shifted->Shift, platform::kShift) << what;
}

// A key as the game tells keys apart: its code, and whether it is right Alt (Alt to the game).
using GameKey = std::pair<uint16_t, bool>;

// Every key the game knows, the keys scripts name: what each backend's map must reach, so that a
// player of any port has every key a player of another has.
inline std::set<GameKey> GameKeys() {
  std::set<GameKey> keys = {{18, true}};  // right Alt
  for (const uint16_t code :
       {8,  9,  13, 16, 17, 18, 19, 20,  21,  25,  27,  32,  33,  34,  35,  36,  37,  38,
        39, 40, 45, 46, 91, 92, 93, 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222})
    keys.insert({code, false});
  for (uint16_t code = 'A'; code <= 'Z'; ++code) keys.insert({code, false});
  for (uint16_t code = '0'; code <= '9'; ++code) keys.insert({code, false});
  for (uint16_t code = 112; code <= 123; ++code) keys.insert({code, false});  // F1..F12
  return keys;
}

}  // namespace keymodel
