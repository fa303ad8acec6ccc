#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/headless/Script.h"

using platform::ParseScript;
using platform::ScriptEvent;
using testing_support::Why;
using Kind = platform::ScriptEvent::Kind;

namespace {
std::vector<ScriptEvent> Parse(const std::string& text, bool expectOk = true) {
  auto events = ParseScript(text);
  EXPECT_EQ(static_cast<bool>(events), expectOk) << Why(events);
  return events ? *events : std::vector<ScriptEvent>{};
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
    EXPECT_EQ(Why(ParseScript(std::string("paint\n") + bad)).rfind("2: ", 0), 0u) << bad;
  }
}

TEST(Script, ALeadingByteOrderMarkIsSkipped) {
  const auto events = Parse("\xEF\xBB\xBFkey Up\n");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Stroke.VirtualKey, platform::vk::Up);
}

TEST(Script, AWholeScriptAndEachLineHaveALimitNamingTheLineThatPassesIt) {
  struct Case {
    std::string Script;
    int Line;
    std::string Problem;
  };
  const std::string tooMany = "the script comes to more than 100000 events";
  const Case cases[] = {
      {std::string(8 * 1, '\n') + "tick 10000000\n", 9, "tick takes an optional count"},
      {"tick 60000\ntick 40000\ntick 1\n", 3, tooMany},
      {"paint\nkey Shift+Right x50001\n", 2, tooMany},
      {"tick 99999\nkey Shift+Up\n", 2, tooMany},
      {"paint\n\ntext " + std::string(4092, 'a') + "\n", 3, "longer than 4096 bytes"},
  };
  for (const Case& bad : cases) {
    EXPECT_EQ(Why(ParseScript(bad.Script)), std::to_string(bad.Line) + ": " + bad.Problem);
  }
  EXPECT_EQ(Parse("tick 99999\nkey Up\n").size(), platform::kMaxScriptEvents);
  EXPECT_EQ(Parse("text " + std::string(4091, 'a') + "\n")[0].Text.size(), 4091u);
}

// A line is counted by what it makes the game do: a hold by every key it can deliver (one every
// 1/60 s at the fastest walk), a text by its characters, and paints on their own, as each redraws
// the window.
TEST(Script, HoldsTextsAndPaintsCountWhatTheyMakeTheGameDo) {
  struct Case {
    std::string Script;
    int Line;
    std::string Problem;
  };
  const std::string tooMany = "the script comes to more than 100000 events";
  std::string holds, texts, paints;
  for (int i = 0; i < 1000; ++i) holds += "hold Right 600000ms\n";
  for (int i = 0; i < 30; ++i) texts += "text " + std::string(4000, 'a') + "\n";
  for (int i = 0; i < 20000; ++i) paints += "paint\n";
  const Case cases[] = {
      {holds, 3, tooMany},
      {texts, 26, tooMany},
      {paints, 10001, "the script comes to more than 10000 paints"},
      {"tick 99990\nhold Up 200ms\n", 2, tooMany},
  };
  for (const Case& bad : cases) {
    EXPECT_EQ(Why(ParseScript(bad.Script)), std::to_string(bad.Line) + ": " + bad.Problem);
  }
  EXPECT_EQ(Parse("tick 99987\nhold Up 200ms\n").size(), 99988u);  // 1 + 12 keys
}

TEST(Script, AControlByteInALineIsNamed) {
  EXPECT_EQ(Why(ParseScript(std::string("paint\nkey\0Left\n", 15))),
            "2: holds the control byte 0x00");
  EXPECT_TRUE(ParseScript("key\tLeft\r\n"));  // a tab is a blank, CR LF a line end
}
