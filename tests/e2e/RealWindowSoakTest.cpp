// A bounded random soak of the real window under a virtual X server: keys (arrows, letters, the
// Hangul/Latin toggles, Enter, Backspace, Escape), typed text, held arrows, window resizes,
// fullscreen toggles and the close button, as a player's desktop sends them. Whenever the game
// closes (Escape while walking, the close button) it must have ended cleanly: exit status 0,
// nothing on stderr from the sanitizers, and the hero on a cell reachable from the start. Then it
// starts again with the settings the last run left. The last run walks to the king and closes the
// window in the middle of the talk.
//
// VESK_WINDOW_SOAK_SECONDS bounds the random part (15 unless told; the sanitizer run asks for
// more). Each run prints its seed; VESK_WINDOW_SOAK_SEED=N sends the same actions again (the
// desktop's timing may still differ).
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "GameWindowTest.h"
#include "RealWorld.h"
#include "TestSupport.h"
#include "VirtualScreen.h"
#include "XWindowPixels.h"

using namespace testing_support;

namespace {

using Clock = std::chrono::steady_clock;

int SoakSeconds() {
  const char* requested = std::getenv("VESK_WINDOW_SOAK_SECONDS");
  return requested && *requested ? std::atoi(requested) : 15;
}

uint32_t SoakSeed() {
  const char* requested = std::getenv("VESK_WINDOW_SOAK_SEED");
  if (requested && *requested) return static_cast<uint32_t>(std::strtoul(requested, nullptr, 10));
  return std::random_device()();
}

// Keys a player presses, walking or talking; Escape only now and then, since while walking it
// ends the run.
const std::vector<std::string> kKeys = {
    "Up",     "Down",   "Left",      "Right",     "Up",      "Down",   "Left",  "Right",
    "a",      "k",      "r",         "g",         "t",       "j",      "z",     "f",
    "m",      "q",      "1",         "space",     "shift+p", "Hangul", "Alt_R", "shift+space",
    "Return", "Return", "BackSpace", "BackSpace", "Delete",  "Home",   "End",   "Tab"};
const std::vector<std::string> kTexts = {"hello",   "안녕",   "카르벤", "무라셴 비밀",
                                         "xyz 123", "ㄱㄴㄷ", "é~!@",   "😀"};
const std::vector<std::string> kArrows = {"Up", "Down", "Left", "Right"};

// The walk from the start to the king that opens a talk: two steps aside and back, then up into
// him.
std::vector<std::string> WalkIntoTheKing() {
  std::vector<std::string> keys = {"Right", "Left"};
  keys.insert(keys.end(), 23, "Up");
  return keys;
}

// What a run's --state file says.
struct EndState {
  Cell Hero{-1, -1};
  bool Talking = false, Closed = false;
};

EndState ReadState(const std::filesystem::path& path) {
  const std::string json = ReadFile(path);
  EndState state;
  const size_t hero = json.find("\"x\": ");
  if (hero != std::string::npos) {
    std::sscanf(json.c_str() + hero, "\"x\": %d, \"y\": %d", &state.Hero.X, &state.Hero.Y);
  }
  state.Talking = json.find("\"talking\": true") != std::string::npos;
  state.Closed = json.find("\"closed\": true") != std::string::npos;
  return state;
}

// The runs remember their settings from one to the next in the test's folder.
class RealWindowSoak : public GameWindowTest<> {
 protected:
  RealWindowSoak() : GameWindowTest("1920x1200x24") {}

  void Start() {
    ++runs_;
    window_ = StartGameWindow(game_, {"--state", StatePath().string()}, ErrorsPath().string());
    ASSERT_NE(window_, 0u) << "run " << runs_ << " showed no window";
  }
  std::filesystem::path StatePath() const {
    return dir_.Path() / ("state-" + std::to_string(runs_) + ".json");
  }
  std::filesystem::path ErrorsPath() const {
    return dir_.Path() / ("stderr-" + std::to_string(runs_) + ".txt");
  }

  void Xdotool(const std::string& arguments) {
    std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str());
  }
  void Keys(const std::vector<std::string>& keys) {
    std::string arguments = "key --delay 30";
    for (const std::string& key : keys) arguments += " " + key;
    Xdotool(arguments);
  }

  // One random thing a player does; `walking` also allows Escape and held arrows.
  void RandomAction(std::mt19937& random, bool walking) {
    const uint32_t pick = random() % 100;
    if (pick < 45) {
      std::vector<std::string> keys;
      for (uint32_t n = 1 + random() % 6; n > 0; --n)
        keys.push_back(kKeys[random() % kKeys.size()]);
      if (walking && random() % 25 == 0) keys.push_back("Escape");
      Keys(keys);
    } else if (pick < 60) {
      Xdotool("type --delay 30 '" + kTexts[random() % kTexts.size()] + "'");
    } else if (pick < 75) {
      // From far too small for the picture to larger than the screen.
      Xdotool("windowsize " + std::to_string(window_) + " " + std::to_string(1 + random() % 2400) +
              " " + std::to_string(1 + random() % 1500));
    } else if (pick < 85) {
      Keys({random() % 2 ? "F11" : "alt+Return"});
    } else if (pick < 95 && walking) {
      const std::string arrow = kArrows[random() % kArrows.size()];
      Xdotool("keydown " + arrow);
      usleep(50000 + random() % 600000);
      Xdotool("keyup " + arrow);
    } else {
      usleep(random() % 300000);  // the blinking caret and the walk's timer on their own
    }
  }

  // Waits for the run to end and checks it ended cleanly.
  EndState Finished() {
    EXPECT_TRUE(game_->Ended(60)) << "run " << runs_ << " did not close";
    const std::string errors = ReadFile(ErrorsPath());
    EXPECT_EQ(game_->Status(), 0) << "run " << runs_ << ":\n" << errors;
    EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
    const EndState state = ReadState(StatePath());
    EXPECT_TRUE(state.Closed) << "run " << runs_;
    const Cell start{50, 50};
    const bool onTheGrid = (state.Hero.X == start.X && state.Hero.Y == start.Y) ||
                           !WalkKeys(start, state.Hero).empty();
    EXPECT_TRUE(onTheGrid) << "run " << runs_ << " left the hero at " << state.Hero.X << ", "
                           << state.Hero.Y;
    return state;
  }

  unsigned long window_ = 0;
  int runs_ = 0;
};

}  // namespace

TEST_F(RealWindowSoak, RandomPlayEndsCleanlyWithTheHeroOnTheGridAlsoClosedDuringATalk) {
  const uint32_t seed = SoakSeed();
  std::cout << "real-window soak seed " << seed << " (VESK_WINDOW_SOAK_SEED=" << seed
            << " replays it)\n";
  std::mt19937 random(seed);
  const auto end = Clock::now() + std::chrono::seconds(SoakSeconds());
  int actions = 0;
  while (Clock::now() < end && !HasFailure()) {
    ASSERT_NO_FATAL_FAILURE(Start());
    while (Clock::now() < end && game_->Running() && random() % 40 != 0) {
      RandomAction(random, true);
      ++actions;
    }
    const bool escaped = !game_->Running();
    if (!escaped) PressCloseButton(display_, window_);
    const EndState state = Finished();
    std::cout << "run " << runs_ << ": closed by " << (escaped ? "Escape" : "the close button")
              << (state.Talking ? " in a talk" : "") << ", the hero at " << state.Hero.X << ", "
              << state.Hero.Y << "\n";
  }

  // The last run: into the king, some typing and window changes in the talk, then the close
  // button while he is still talking.
  ASSERT_NO_FATAL_FAILURE(Start());
  Keys(WalkIntoTheKing());
  for (int n = 0; n < 8; ++n) {
    Keys({"Hangul", "z", "k", "BackSpace"});
    Xdotool("type --delay 30 '" + kTexts[random() % kTexts.size()] + "'");
    Xdotool("windowsize " + std::to_string(window_) + " " + std::to_string(400 + random() % 1200) +
            " " + std::to_string(300 + random() % 800));
    if (n % 3 == 0) Keys({"F11"});
  }
  ASSERT_TRUE(PressCloseButton(display_, window_));
  const EndState last = Finished();
  EXPECT_TRUE(last.Talking) << "the last run closed outside the talk";
  EXPECT_EQ(last.Hero.X, 50);
  EXPECT_EQ(last.Hero.Y, 28);
  std::cout << runs_ << " runs, " << actions << " random actions\n";
}
