// A whole game played with a controller through the headless scripts' button verbs: the walk, the
// king's guided path typed on the on-screen keyboard, the goodbye. The game areas must end exactly
// as the same play with keys leaves them, and the on-screen keyboard stays over the event log.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "RealWorld.h"
#include "TestSupport.h"

using namespace testing_support;

namespace {

// The on-screen keyboard's letter rows, as the test's own model of where the keys stand.
constexpr const char* kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

// The buttons that type `letters` (US letters of the 2-set keys, upper case for Shift) on the
// on-screen keyboard, its cursor starting on the first key, then Start.
std::string ButtonsTyping(const std::string& letters, int& row, int& column) {
  std::string script;
  for (char letter : letters) {
    const char lower = static_cast<char>(std::tolower(letter));
    int toRow = 0;
    while (!std::strchr(kRows[toRow], lower)) ++toRow;
    const int toColumn = static_cast<int>(std::strchr(kRows[toRow], lower) - kRows[toRow]);
    // Rows grow shorter downwards: up first, then sideways, then down.
    for (; row > toRow; --row) script += "button Up\n";
    for (; column > toColumn; --column) script += "button Left\n";
    for (; column < toColumn; ++column) script += "button Right\n";
    for (; row < toRow; ++row) script += "button Down\n";
    if (std::isupper(static_cast<unsigned char>(letter))) script += "button Y\n";
    script += "button A\n";
  }
  return script + "button Start\n";
}

std::string WithButtons(const std::string& keyScript) {
  std::string buttons;
  for (size_t at = 0; at < keyScript.size();) {
    const size_t end = keyScript.find('\n', at);
    std::string line = keyScript.substr(at, end - at);
    if (line.rfind("key ", 0) == 0) line = "button " + line.substr(4);
    buttons += line + "\n";
    at = end + 1;
  }
  return buttons;
}

// 카르벤, 무라셴 and 비밀 on the 2-set keys (P is Shift+p, ㅖ).
const char* const kGuidedPath[] = {"zkfmqps", "anfktPs", "qlalf"};

std::string KeysTyping(const std::string& letters) {
  std::string script;
  for (char letter : letters) {
    script += std::isupper(static_cast<unsigned char>(letter))
                  ? "key Shift+" + std::string(1, static_cast<char>(std::tolower(letter))) + "\n"
                  : "key " + std::string(1, letter) + "\n";
  }
  return script + "key Enter\n";
}

bool SameArea(const platform::Bitmap& a, const platform::Bitmap& b, platform::Rect area) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

const platform::Rect kMapView = platform::RectAt(0, 0, 216, 264);
const platform::Rect kEventLog = platform::RectAt(0, 272, 217, 177);
const platform::Rect kConsole = platform::RectAt(225, 0, 400, 336);
const platform::Rect kInputPane = platform::RectAt(225, 350, 400, 96);

std::string WalkToTheKing() { return KeyScript(WalkKeys({50, 50}, {50, 28})) + "key Up\n"; }

}  // namespace

TEST(PadPlay, WalksAsTheArrowsDoAndLooksAgainWithA) {
  ScratchDir dir;
  const std::string keys = KeyScript(WalkKeys({50, 50}, {50, 47})) + "key Escape\n";
  const auto byKeys = HeadlessScreenshot(dir, "key Up x3\nkey a\nhold Left 700ms\n");
  const auto byPad = HeadlessScreenshot(dir, "button Up x3\nbutton A\nbutton Left 700ms\n");
  EXPECT_TRUE(SameArea(byKeys, byPad, platform::RectAt(0, 0, 632, 453)));
  // The other buttons do nothing while walking.
  const auto still =
      HeadlessScreenshot(dir, "button B\nbutton X\nbutton Y\nbutton Start\nbutton Back\n");
  const auto untouched = HeadlessScreenshot(dir, "paint\n");
  EXPECT_TRUE(SameArea(still, untouched, platform::RectAt(0, 0, 632, 453)));
}

TEST(PadPlay, TheGuidedPathOnTheOnScreenKeyboardEndsAsTypedKeysDo) {
  ScratchDir dir;
  const std::string walk = WalkToTheKing();
  std::string keys = walk, pad = WithButtons(walk);
  int row = 0, column = 0;
  for (const char* word : kGuidedPath) {
    keys += KeysTyping(word);
    pad += ButtonsTyping(word, row, column);
  }
  const auto byKeys = HeadlessScreenshot(dir, keys);
  const auto byPad = HeadlessScreenshot(dir, pad);
  for (const platform::Rect area : {kMapView, kConsole, kInputPane})
    EXPECT_TRUE(SameArea(byKeys, byPad, area)) << area.Left << "," << area.Top;
  // In the talk the keyboard stands over the event log; the goodbye takes it away again.
  EXPECT_FALSE(SameArea(byKeys, byPad, kEventLog));
  const auto afterKeys = HeadlessScreenshot(dir, keys + "key Enter\n");
  const auto afterPad = HeadlessScreenshot(dir, pad + "button Start\n");
  EXPECT_TRUE(SameArea(afterKeys, afterPad, platform::RectAt(0, 0, 632, 453)));
}

TEST(PadPlay, AKeyHidesTheOnScreenKeyboardAndThePadBringsItBack) {
  ScratchDir dir;
  const std::string walk = WalkToTheKing();
  const auto byKeys = HeadlessScreenshot(dir, walk + "key z\n");
  const auto padThenKey = HeadlessScreenshot(dir, WithButtons(walk) + "key z\n");
  EXPECT_TRUE(SameArea(byKeys, padThenKey, platform::RectAt(0, 0, 632, 453)));
  // The press that brings the keyboard back types nothing; the next one does.
  const auto back = HeadlessScreenshot(dir, WithButtons(walk) + "key z\nbutton A\n");
  const auto shown = HeadlessScreenshot(dir, WithButtons(walk) + "button A\n");
  EXPECT_TRUE(SameArea(byKeys, back, kInputPane));
  EXPECT_TRUE(SameArea(shown, back, kEventLog));
  EXPECT_FALSE(SameArea(byKeys, back, kEventLog));
}

TEST(PadPlay, ScriptsNameOnlyThePadsButtons) {
  ScratchDir dir;
  for (const char* bad : {"button Z\n", "button\n", "button A x0\n", "button Up 0ms\n"}) {
    dir.Write("bad.txt", bad);
    const GameRun run = RunGame({"--headless", "--script", (dir.Path() / "bad.txt").string(),
                                 "--data", SourcePath("data").string()});
    EXPECT_EQ(run.Status, 2) << bad;
    EXPECT_NE(run.Errors.find("bad.txt:1:"), std::string::npos) << run.Errors;
  }
}
