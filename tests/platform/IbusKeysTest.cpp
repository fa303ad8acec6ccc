// The keys IBus hands back: a printable keysym is the key that types it on the US layout, the
// others the model's keys (tests/platform/KeyModel.h), the same keys as always, and they carry
// IBus's modifiers as the window's own keys carry theirs.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "KeyModel.h"
#include "platform/sdl/ibus/IbusForwardedKeys.h"

using namespace platform;

namespace {

constexpr uint32_t kIbusShift = 1, kIbusControl = 4, kIbusAlt = 8;

// The keysyms past printable ASCII the game takes, with their Windows virtual-key codes.
const std::map<uint32_t, uint16_t> kKnownKeysyms = {
    {0xff08, 8},  {0xff09, 9},  {0xff0d, 13}, {0xff1b, 27}, {0xff50, 36}, {0xff51, 37},
    {0xff52, 38}, {0xff53, 39}, {0xff54, 40}, {0xff57, 35}, {0xff8d, 13}, {0xffff, 46},
};

// The model's key that types `c`, and whether with Shift.
std::pair<uint16_t, bool> KeyTyping(char c) {
  for (uint16_t code = 0; code < 256; ++code) {
    const keymodel::ModelKey model = keymodel::Model(code);
    if (model.Plain == c) return {code, false};
    if (model.Shifted == c) return {code, true};
  }
  ADD_FAILURE() << "no key types " << c;
  return {0, false};
}

TEST(IbusKeys, EveryKeysymIsTheModelsKeyOrNothing) {
  for (uint32_t keysym = 0; keysym <= 0xffff; ++keysym) {
    const std::string what = "keysym " + std::to_string(keysym);
    const auto plain = StrokeOfKeysym(keysym, 0);
    const auto shifted = StrokeOfKeysym(keysym, kIbusShift);
    if (keysym >= 0x20 && keysym <= 0x7e) {
      // The character comes typed: it is the stroke's whatever the Shift bit says.
      const auto [code, withShift] = KeyTyping(static_cast<char>(keysym));
      ASSERT_TRUE(plain && shifted) << what;
      EXPECT_EQ(plain->VirtualKey, keymodel::Model(code).VirtualKey) << what;
      EXPECT_EQ(plain->Ascii, static_cast<char>(keysym)) << what;
      EXPECT_EQ(shifted->Ascii, static_cast<char>(keysym)) << what;
      EXPECT_EQ(plain->Shift, 0) << what << (withShift ? " (typed with Shift)" : "");
    } else if (keysym >= 0xffbe && keysym <= 0xffc9) {  // F1..F12
      keymodel::ExpectKey(plain, shifted, static_cast<uint16_t>(112 + keysym - 0xffbe), what);
    } else if (const auto known = kKnownKeysyms.find(keysym); known != kKnownKeysyms.end()) {
      keymodel::ExpectKey(plain, shifted, known->second, what);
    } else {
      EXPECT_FALSE(plain) << what;
    }
  }
}

TEST(IbusKeys, AHandedBackKeyCarriesIbusModifiers) {
  const auto bang = StrokeOfKeysym('!', kIbusShift | kIbusControl | kIbusAlt);
  ASSERT_TRUE(bang);
  EXPECT_EQ(bang->VirtualKey, '1');
  EXPECT_EQ(bang->Shift, kShift | kCtrl | kAlt);
}

}  // namespace
