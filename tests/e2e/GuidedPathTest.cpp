// A whole conversation through the real program and the real data: walk to the king, type the
// guided path on the built-in Hangul keyboard, and look at the log, the state and the panes.
#include <gtest/gtest.h>

#include "RealWorld.h"
#include "TestSupport.h"
#include "platform/image/Png.h"
#include "talk/KingTable.h"

using namespace testing_support;

namespace {

// The pixels of a console row that show a faded magenta (red = blue > 0,
// green 0): only the word 비밀 is printed so.
int MagentaPixels(const platform::Bitmap& shot, int textRow) {
  int count = 0;
  for (int y = textRow * 16; y < textRow * 16 + 16; ++y)
    for (int x = 225; x < 625; ++x) {
      const uint32_t p = shot.Pixel(x, y).Value;
      const uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
      count += r == b && r > 0 && g == 0;
    }
  return count;
}

bool RowIsBlank(const platform::Bitmap& shot, int left, int top) {
  for (int y = top; y < top + 16; ++y)
    for (int x = left; x < left + 400; ++x)
      if (shot.Pixel(x, y) != platform::Pixel(0x00FFFFFF)) return false;
  return true;
}

}  // namespace

TEST(GuidedPath, FromTheGreetingToTheSecret) {
  ScratchDir dir;
  const auto walk = WalkKeys({50, 50}, {50, 28});
  ASSERT_FALSE(walk.empty());
  std::string script = KeyScript(walk) + "key Up\n";
  // 카르벤, 무라셴 and 비밀 on the 2-set layout (Shift+p is ㅖ), each ended by Enter.
  for (const std::vector<std::string>& word :
       {std::vector<std::string>{"z", "k", "f", "m", "q", "p", "s"},
        {"a", "n", "f", "k", "t", "Shift+p", "s"},
        {"q", "l", "a", "l", "f"}}) {
    for (const std::string& key : word) script += "key " + key + "\n";
    script += "key Enter\n";
  }
  dir.Write("script.txt", script);
  const GameRun run =
      RunGame({"--headless", "--script", "script.txt", "--data", SourcePath("data").string(),
               "--screenshot", (dir.Path() / "shot.png").string(), "--log",
               (dir.Path() / "log.txt").string(), "--state", (dir.Path() / "state.json").string()});
  ASSERT_EQ(run.Status, 0) << run.Errors;

  EXPECT_EQ(ReadFile(dir.Path() / "log.txt"), "이벤트 로그\n\n\ntalk to someone\n");
  const std::string state = ReadFile(dir.Path() / "state.json");
  EXPECT_NE(state.find("\"talking\": true"), std::string::npos) << state;
  EXPECT_NE(state.find("\"edit\": \"\""), std::string::npos) << state;

  const auto shot = testing_support::LoadPng((dir.Path() / "shot.png").string());
  ASSERT_TRUE(shot);
  // Greeting 2 rows, 카르벤 2, 무라셴 10, 비밀's answer, each with its empty row: the console has
  // scrolled so the last usable row (19) is where the next answer would start.
  const TKingRow* secret = nullptr;
  for (const TKingRow& row : KingTable())
    if (row.Keywords.front() == u"비밀") secret = &row;
  ASSERT_TRUE(secret);
  const int secretRows = static_cast<int>(ConsoleRowsOf(*secret).size());
  const int total = 3 + 3 + 11 + secretRows + 1;
  const int scrolled = total - 19;
  // The magenta 비밀 ends the hidden part (its tenth row), moved up by the scroll.
  EXPECT_GT(MagentaPixels(*shot, 3 + 3 + 9 - scrolled), 20);
  EXPECT_TRUE(RowIsBlank(*shot, 225, 19 * 16));
  EXPECT_TRUE(RowIsBlank(*shot, 225, 18 * 16));
  EXPECT_FALSE(RowIsBlank(*shot, 225, 17 * 16));
  EXPECT_TRUE(RowIsBlank(*shot, 225, 20 * 16));  // the pane's bottom row is never written
  // The input pane keeps the three lines typed, each after its prompt, and a fresh prompt.
  for (int row = 0; row < 4; ++row) EXPECT_FALSE(RowIsBlank(*shot, 225, 350 + row * 16)) << row;
  EXPECT_TRUE(RowIsBlank(*shot, 225, 350 + 4 * 16));
}
