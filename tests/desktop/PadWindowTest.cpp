// A game controller in the real window under a virtual X server: SDL's virtual joystick, plugged
// in after the start, walks to the king and types the guided path on the on-screen keyboard; it
// is pulled out in the talk and plugged in again. The window must show what the headless runs of
// the same buttons draw.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <thread>

#include "GameWindowTest.h"
#include "RealWorld.h"
#include "TestSupport.h"
#include "VirtualScreen.h"
#include "XWindowPixels.h"
#include "platform/image/Png.h"

using namespace testing_support;

namespace {

// The d-pad's script names as SDL names the buttons.
std::string SdlName(const std::string& button) {
  if (button == "Up") return "dpup";
  if (button == "Down") return "dpdown";
  if (button == "Left") return "dpleft";
  if (button == "Right") return "dpright";
  if (button == "Start") return "start";
  if (button == "Y") return "y";
  return "a";
}

// 카르벤's keys on the on-screen keyboard from its first key, and Start.
const std::vector<std::string> kKarben = {
    "Down",  "Down",  "A",                                                        // ㅋ
    "Up",    "Right", "Right", "Right", "Right", "Right", "Right", "Right", "A",  // ㅏ
    "Left",  "Left",  "Left",  "Left",  "A",                                      // ㄹ
    "Down",  "Right", "Right", "Right", "A",  // ㅡ, the last key of row 3
    "Up",    "Up",    "Left",  "Left",  "Left",  "Left",  "Left",  "Left",  "A",           // ㅂ
    "Right", "Right", "Right", "Right", "Right", "Right", "Right", "Right", "Right", "A",  // ㅔ
    "Down",  "Left",  "Left",  "Left",  "Left",  "Left",  "Left",  "Left",  "A",           // ㄴ
    "Start"};

class PadWindow : public GameWindowTest<> {
 protected:
  PadWindow() : GameWindowTest("1280x1024x24") {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameWindowTest::SetUp());
    // The test's pad is read also while another window may hold the focus for a moment.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    fifo_ = (dir_.Path() / "pad").string();
    ASSERT_EQ(mkfifo(fifo_.c_str(), 0600), 0);
    setenv("VESK_VIRTUAL_PAD", fifo_.c_str(), 1);
  }
  void TearDown() override {
    pad_.close();
    unsetenv("VESK_VIRTUAL_PAD");
    unsetenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS");
    GameWindowTest::TearDown();
  }

  unsigned long Start() {
    game_ = std::make_unique<Process>(
        std::vector<std::string>{VESK_PAD_BINARY, "--data", SourcePath("data").string(), "--scale",
                                 "1"},
        (dir_.Path() / "stderr.txt").string());
    const unsigned long window = FocusedWindowOf(*game_, 10);
    pad_.open(fifo_);
    return window;
  }

  void Pad(const std::string& command) { pad_ << command << "\n" << std::flush; }
  void Buttons(const std::vector<std::string>& buttons) {
    for (const std::string& button : buttons) {
      Pad("press " + SdlName(button));
      Pad("release " + SdlName(button));
    }
  }

  platform::Bitmap Headless(const std::string& script) { return HeadlessScreenshot(dir_, script); }

  // Waits until the window shows `picture`; the cursor of a talk blinks, so a picture taken with it
  // shown or hidden comes round within a second.
  void ExpectShows(unsigned long window, const platform::Bitmap& picture, const std::string& name) {
    platform::Bitmap shown;
    int mismatched = -1;
    for (int tries = 0; tries < 80 && mismatched != 0; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      ASSERT_TRUE(game_->Running()) << ReadFile(dir_.Path() / "stderr.txt");
      shown = WindowPixels(display_, window);
      if (shown.Width() != picture.Width() || shown.Height() != picture.Height()) continue;
      mismatched = 0;
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
          mismatched += shown.Pixel(x, y) != picture.Pixel(x, y);
    }
    EXPECT_EQ(mismatched, 0) << name << "\n" << ReadFile(dir_.Path() / "stderr.txt");
    if (mismatched != 0) {
      (void)platform::SavePng(shown, "/tmp/vesk-pad-" + name + ".png");
    }
  }

  std::string fifo_;
  std::ofstream pad_;
};

std::string ButtonScript(const std::vector<std::string>& buttons) {
  std::string script;
  for (const std::string& button : buttons) script += "button " + button + "\n";
  return script;
}

}  // namespace

TEST_F(PadWindow, PlaysTheGuidedPathPluggedInAfterTheStartAndPulledOutInTheTalk) {
  const unsigned long window = Start();
  ASSERT_NE(window, 0u) << "the game showed no window";
  Pad("attach");
  std::vector<std::string> walk = {"Up", "Up", "Up"};
  Buttons(walk);
  ExpectShows(window, Headless(ButtonScript(walk)), "three-cells");
  const std::vector<std::string> rest = WalkKeys({50, 47}, {50, 28});
  walk.insert(walk.end(), rest.begin(), rest.end());
  walk.push_back("Up");
  Buttons(std::vector<std::string>(walk.begin() + 3, walk.end()));
  Buttons(kKarben);
  std::vector<std::string> played = walk;
  played.insert(played.end(), kKarben.begin(), kKarben.end());
  ExpectShows(window, Headless(ButtonScript(played)), "karben");
  // Pulled out in the talk: the keyboard goes and the event log shows again, as after a key.
  Pad("detach");
  ExpectShows(window, Headless(ButtonScript(played) + "key Shift\n"), "detached");
  // Plugged in again: the first press brings the keyboard back, Start then says goodbye.
  Pad("attach");
  Buttons({"A", "Start"});
  ExpectShows(window, Headless(ButtonScript(played) + "key Shift\nbutton A\nbutton Start\n"),
              "goodbye");
}
