#include <gtest/gtest.h>

#include "platform/headless/Script.h"

using platform::ParseScript;
using platform::ScriptError;
using platform::ScriptEvent;
using Kind = platform::ScriptEvent::Kind;

namespace {
std::vector<ScriptEvent> Parse(const std::string& text, bool expectOk = true) {
  ScriptError error;
  auto events = ParseScript(text, error);
  EXPECT_EQ(events.has_value(), expectOk) << error.Line << ": " << error.Problem;
  return events.value_or(std::vector<ScriptEvent>{});
}
}  // namespace

TEST(Script, KeysRepeatAndShiftPressesShiftFirst) {
  const auto events = Parse("# walk\nkey Up x3\n\nkey Shift+q\n");
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[0].Stroke.VirtualKey, platform::vk::Up);
  EXPECT_EQ(events[2].Line, 2);
  EXPECT_EQ(events[3].Stroke.VirtualKey, platform::vk::Shift);
  EXPECT_EQ(events[4].Stroke.VirtualKey, 'Q');
  EXPECT_EQ(events[4].Stroke.Ascii, 'Q');
  EXPECT_EQ(events[4].Stroke.Shift, platform::kShift);
}

TEST(Script, TextKeepsItsSpacesAndIsUtf8) {
  const auto events = Parse("text  카르 벤 \ncompose 안\ntick 2\npaint\nclose\n");
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0].What, Kind::Text);
  EXPECT_EQ(events[0].Text, u" 카르 벤 ");
  EXPECT_EQ(events[1].What, Kind::Compose);
  EXPECT_EQ(events[2].What, Kind::Tick);
  EXPECT_EQ(events[5].What, Kind::Close);
}

TEST(Script, EveryNamedKeyIsKnown) {
  Parse(
      "key Up\nkey Down\nkey Left\nkey Right\nkey Escape\nkey Enter\nkey Backspace\n"
      "key Delete\nkey Home\nkey End\nkey Space\nkey Tab\nkey F1\nkey F12\nkey Shift\n"
      "key Ctrl\nkey Alt\nkey RAlt\nkey Hangul\nkey a\nkey z\nkey 0\nkey 9\n");
}

TEST(Script, BadLinesNameTheirLine) {
  for (const char* bad :
       {"key\n", "key Upp\n", "key Up x0\n", "tick many\n", "jump\n", "paint now\n", "key F13\n"}) {
    ScriptError error;
    EXPECT_FALSE(ParseScript(std::string("paint\n") + bad, error)) << bad;
    EXPECT_EQ(error.Line, 2) << bad;
  }
}
