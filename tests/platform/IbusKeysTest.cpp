// The keys IBus hands back map to key names the one list in platform/input/Keys.h knows, and
// arrive as the same strokes as the window's own keys.
#include <gtest/gtest.h>

#include "platform/input/Keys.h"
#include "platform/sdl/ibus/IbusForwardedKeys.h"
#include "platform/sdl/ibus/IbusKeys.h"

using namespace platform;

namespace {

TEST(IbusKeys, EveryNameInTheMapIsAKnownKey) {
  for (const auto& row : kIbusKeyNames) {
    EXPECT_TRUE(StrokeForName(row.Name, false)) << row.Name;
  }
}

TEST(IbusKeys, AHandedBackKeyIsTheKeyItNames) {
  const auto enter = StrokeOfKeysym(IBUS_KEY_KP_Enter, 0);
  ASSERT_TRUE(enter);
  EXPECT_EQ(enter->VirtualKey, vk::Return);
  EXPECT_EQ(enter->Ascii, 13);

  const auto bang = StrokeOfKeysym('!', 1);  // IBus's Shift mask
  ASSERT_TRUE(bang);
  EXPECT_EQ(bang->VirtualKey, '1');
  EXPECT_EQ(bang->Shift, kShift);

  EXPECT_FALSE(StrokeOfKeysym(IBUS_KEY_Hangul_Hanja, 0));
}

}  // namespace
