// Started from a desktop-less terminal (a text console, ssh without X forwarding), the game must
// say that it has no display and end, not wait unseen for keys nobody can send: SDL falls back on
// its own to a driver that draws into memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "TestSupport.h"
#include "VirtualScreen.h"

using namespace testing_support;

namespace {

// Unsets an environment variable for as long as this lives.
class Unset {
 public:
  explicit Unset(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) before_ = value;
    unsetenv(name);
  }
  ~Unset() {
    if (before_) setenv(name_, before_->c_str(), 1);
  }
  Unset(const Unset&) = delete;
  Unset& operator=(const Unset&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

}  // namespace

TEST(NoDisplay, TheGameSaysSoOnStderrAndEndsWithStatus1) {
  const Unset x11("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
  ScratchDir dir;
  const std::string errors = (dir.Path() / "stderr.txt").string();
  Process game({VESK_BINARY, "--data", SourcePath("data").string()}, errors);
  ASSERT_TRUE(game.Ended(20)) << "the game is still waiting without a display";
  EXPECT_EQ(game.Status(), 1);
  EXPECT_NE(ReadFile(errors).find("vesk: cannot open a window: no display to show it on"),
            std::string::npos)
      << ReadFile(errors);
}
