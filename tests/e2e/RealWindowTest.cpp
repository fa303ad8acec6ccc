// The real window under a virtual X server: keys sent the way a player's keyboard sends them
// (xdotool), then the window's pixels read back from the X server and held against the headless
// run of the same keys, scaled. This checks everything between the game's picture and the screen:
// only the changed areas are shown, scaled by whole pixels, and nothing is left out.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "GameWindowTest.h"
#include "TestSupport.h"
#include "VirtualScreen.h"
#include "XWindowPixels.h"
#include "platform/image/Png.h"
#include "platform/image/Scaling.h"

using namespace testing_support;

namespace {

// To the king and back through a talk: walking, event messages, a Hangul keyword typed on the
// built-in keyboard, his answer and the goodbye. It ends walking, so no cursor is blinking.
const std::vector<std::string> kKeys = {"Right", "Left"};
constexpr int kStepsToTheKing = 23;
const std::vector<std::string> kTalk = {"z", "k", "f",      "m",      "q",
                                        "p", "s", "Return", "Return", "Down"};

std::string ScriptName(const std::string& key) { return key == "Return" ? "Enter" : key; }

// Window pixels that differ from the picture whole-pixel scaled and centred on black.
struct Mismatch {
  int Pixels = 0, FirstX = -1, FirstY = -1;
};
Mismatch Compare(const platform::Bitmap& shown, const platform::Bitmap& picture) {
  const platform::Placement place =
      platform::PlacePicture(picture.Width(), picture.Height(), shown.Width(), shown.Height());
  Mismatch mismatch;
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      const int px = x - place.Left, py = y - place.Top;
      const bool inside = px >= 0 && py >= 0 && px < picture.Width() * place.Scale &&
                          py < picture.Height() * place.Scale;
      const platform::Pixel expected =
          inside ? picture.Pixel(px / place.Scale, py / place.Scale) : platform::Pixel(0);
      if (shown.Pixel(x, y) == expected) continue;
      if (mismatch.Pixels++ == 0) mismatch.FirstX = x, mismatch.FirstY = y;
    }
  }
  return mismatch;
}

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

class RealWindow : public GameWindowTest<::testing::TestWithParam<int>> {
 protected:
  RealWindow() : GameWindowTest("2560x1600x24") {}

  // Starts the game and waits until its window is shown and has the keyboard.
  unsigned long StartGame(const std::vector<std::string>& options, const std::string& errors = "") {
    return StartGameWindow(game_, options, errors);
  }

  void Keys(const std::vector<std::string>& keys) {
    std::string command = "xdotool key --delay 25";
    for (const std::string& key : keys) command += " " + key;
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  // Waits until the window, sized as `width` x `height`, shows `picture` whole-pixel scaled and
  // centred on black (slower under the sanitizers); a window that never does fails after a
  // generous wait, and its last look is kept in the temporary folder.
  void ExpectShows(unsigned long window, const platform::Bitmap& picture, int width, int height,
                   const std::string& name) {
    platform::Bitmap shown;
    Mismatch mismatch;
    for (int tries = 0; tries < 60; ++tries) {
      Pause(250);
      ASSERT_TRUE(game_->Running());
      shown = WindowPixels(display_, window);
      if (shown.Width() != width || shown.Height() != height) continue;
      mismatch = Compare(shown, picture);
      if (mismatch.Pixels == 0) return;
    }
    EXPECT_EQ(shown.Width(), width) << name;
    EXPECT_EQ(shown.Height(), height) << name;
    EXPECT_EQ(mismatch.Pixels, 0) << name << ": first at " << mismatch.FirstX << ", "
                                  << mismatch.FirstY;
    (void)platform::SavePng(
        shown, (std::filesystem::temp_directory_path() / ("vesk-" + name + ".png")).string());
  }
};

std::vector<std::string> AllKeys() {
  std::vector<std::string> keys = kKeys;
  keys.insert(keys.end(), kStepsToTheKing, "Up");
  keys.insert(keys.end(), kTalk.begin(), kTalk.end());
  return keys;
}

// The headless run of the same keys: the picture the window must show.
platform::Bitmap HeadlessPicture(const ScratchDir& dir) {
  std::string script;
  for (const std::string& key : AllKeys()) script += "key " + ScriptName(key) + "\n";
  dir.Write("keys.script", script);
  const auto shot = (dir.Path() / "headless.png").string();
  const auto run = RunGame({"--headless", "--data", SourcePath("data").string(), "--script",
                            (dir.Path() / "keys.script").string(), "--screenshot", shot});
  EXPECT_EQ(run.Status, 0) << run.Errors;
  return testing_support::LoadPng(shot).value_or(platform::Bitmap());
}

}  // namespace

TEST_P(RealWindow, ShowsExactlyTheHeadlessPictureScaledAfterTheSameKeys) {
  const int scale = GetParam();
  ScratchDir dir;
  const platform::Bitmap expected = HeadlessPicture(dir);
  ASSERT_EQ(expected.Width(), 632);
  const unsigned long window = StartGame({"--scale", std::to_string(scale)});
  ASSERT_NE(window, 0u) << "the game showed no window";
  Keys(AllKeys());
  ExpectShows(window, expected, 632 * scale, 453 * scale, "real-window-" + std::to_string(scale));
}

INSTANTIATE_TEST_SUITE_P(Scales, RealWindow, ::testing::Values(1, 2, 3));

using RealWindowSize = RealWindow;

TEST_F(RealWindowSize, FitsTheScreenFollowsResizingAndSwitchesToFullscreenAndBack) {
  ScratchDir dir;
  const platform::Bitmap expected = HeadlessPicture(dir);
  // On a 2560 x 1600 screen, scale 3 is the largest whose framed window fits.
  const unsigned long window = StartGame({});
  ASSERT_NE(window, 0u) << "the game showed no window";
  Keys(AllKeys());
  ExpectShows(window, expected, 632 * 3, 453 * 3, "fitted");
  std::system(("xdotool windowsize " + std::to_string(window) + " 1500 1000").c_str());
  ExpectShows(window, expected, 1500, 1000, "resized");  // 2x, centred
  Keys({"F11"});
  ExpectShows(window, expected, 2560, 1600, "fullscreen");
  Keys({"alt+Return"});
  ExpectShows(window, expected, 1500, 1000, "windowed-again");
}

TEST_F(RealWindowSize, AScaleTooLargeForTheScreenIsLoweredWithOneLine) {
  const auto errors = (dir_.Path() / "stderr.txt").string();
  const unsigned long window = StartGame({"--scale", "9"}, errors);
  ASSERT_NE(window, 0u) << "the game showed no window";
  // Escape closes it (again if a key sent while the window was still settling went astray).
  bool ended = false;
  for (int tries = 0; tries < 10 && !ended; ++tries) {
    Keys({"Escape"});
    ended = game_->Ended(1);
  }
  EXPECT_TRUE(ended);
  const std::string said = ReadFile(errors);
  const std::string line = "vesk: scale 9 does not fit the screen (2560 x 1600 usable); using 3\n";
  EXPECT_EQ(said.find(line), 0u) << said;
  EXPECT_EQ(said.find("does not fit", line.size()), std::string::npos) << said;
}
