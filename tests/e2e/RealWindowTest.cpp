// The real window under a virtual X server: keys sent the way a player's keyboard sends them
// (xdotool), then the window's pixels read back from the X server and held against the headless
// run of the same keys, scaled. This checks everything between the game's picture and the screen:
// only the changed areas are shown, scaled by whole pixels, and nothing is left out.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "XWindowPixels.h"
#include "platform/Png.h"

extern char** environ;

using namespace testing_support;

namespace {

// To the king and back through a talk: walking, event messages, a Hangul keyword typed on the
// built-in keyboard, his answer and the goodbye. It ends walking, so no cursor is blinking.
const std::vector<std::string> kKeys = {"Right", "Left"};
constexpr int kStepsToTheKing = 23;
const std::vector<std::string> kTalk = {"z", "k", "f",      "m",      "q",
                                        "p", "s", "Return", "Return", "Down"};

std::string ScriptName(const std::string& key) { return key == "Return" ? "Enter" : key; }

// A started program that is stopped when the owner goes.
class Process {
 public:
  explicit Process(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  }
  ~Process() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  pid_t Pid() const { return pid_; }
  bool Running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

 private:
  pid_t pid_ = -1;
};

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) text += buffer;
    pclose(pipe);
  }
  return text;
}

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

class RealWindow : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_EQ(std::system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null"), 0)
        << "the real-window test needs Xvfb and xdotool (./build.sh installs them)";
    int number = 99;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
           std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
      ++number;
    }
    display_ = ":" + std::to_string(number);
    server_ = std::make_unique<Process>(std::vector<std::string>{
        "Xvfb", display_, "-screen", "0", "2560x1600x24", "-nolisten", "tcp"});
    bool answers = false;
    for (int tries = 0; tries < 100 && !answers; ++tries) {
      answers = XServerAnswers(display_);
      if (!answers) Pause(50);
    }
    ASSERT_TRUE(answers) << "Xvfb did not start on " << display_;
    setenv("DISPLAY", display_.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
  }
  void TearDown() override {
    game_.reset();
    server_.reset();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
  }

  // Starts the game and waits until its window is shown and has the keyboard.
  unsigned long StartGame(const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {VESK_BINARY, "--data", SourcePath("data").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    game_ = std::make_unique<Process>(arguments);
    std::string id;
    for (int tries = 0; tries < 100 && id.empty() && game_->Running(); ++tries) {
      id = Output("xdotool search --onlyvisible --pid " + std::to_string(game_->Pid()) +
                  " 2>/dev/null | head -n 1");
      if (id.empty()) Pause(100);
    }
    if (id.empty()) return 0;
    const unsigned long window = std::stoul(id);
    std::system(("xdotool windowfocus --sync " + std::to_string(window)).c_str());
    Pause(300);
    return window;
  }

  void Keys(const std::vector<std::string>& keys) {
    std::string command = "xdotool key --delay 25";
    for (const std::string& key : keys) command += " " + key;
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  std::string display_;
  std::unique_ptr<Process> server_, game_;
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
  return platform::LoadPng(shot).value_or(platform::Bitmap());
}

// Window pixels that are not the picture's pixel scaled.
struct Mismatch {
  int Pixels = 0, FirstX = -1, FirstY = -1;
};
Mismatch Compare(const platform::Bitmap& shown, const platform::Bitmap& picture, int scale) {
  Mismatch mismatch;
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      if (shown.Pixel(x, y) == picture.Pixel(x / scale, y / scale)) continue;
      if (mismatch.Pixels++ == 0) mismatch.FirstX = x, mismatch.FirstY = y;
    }
  }
  return mismatch;
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
  // The window settles on the picture once the game has caught up with the keys (slower under
  // the sanitizers); a window that never shows it fails after a generous wait.
  platform::Bitmap shown;
  Mismatch mismatch;
  for (int tries = 0; tries < 60; ++tries) {
    Pause(250);
    ASSERT_TRUE(game_->Running());
    shown = WindowPixels(display_, window);
    ASSERT_EQ(shown.Width(), 632 * scale);
    ASSERT_EQ(shown.Height(), 453 * scale);
    mismatch = Compare(shown, expected, scale);
    if (mismatch.Pixels == 0) break;
  }
  EXPECT_EQ(mismatch.Pixels, 0) << "first at " << mismatch.FirstX << ", " << mismatch.FirstY;
  if (mismatch.Pixels) {
    platform::SavePng(shown, (std::filesystem::temp_directory_path() /
                              ("vesk-real-window-" + std::to_string(scale) + ".png"))
                                 .string());
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, RealWindow, ::testing::Values(1, 2, 3));
