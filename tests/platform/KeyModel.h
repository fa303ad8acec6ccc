// The test's own model of the game's key codes, written out from the Windows virtual-key codes
// and the US layout rather than read from the game's tables: what each code is and types, without
// and with Shift. The backends' key map tests check every key of a map against it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

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

}  // namespace keymodel
