// GameWindowTest: the fixture of a test that plays the game's real window. Before each test a
// virtual screen of its own opens and the game's settings go to a folder of the test's own (the
// player's settings neither steer the run nor learn from it); after it the game and the screen
// stop and SDL is pointed back at no display.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "VirtualScreen.h"

namespace testing_support {

template <typename Base = ::testing::Test>
class GameWindowTest : public Base {
 protected:
  // `screen`: Xvfb's screen, "1280x1024x24".
  explicit GameWindowTest(std::string screen) : screen_(std::move(screen)) {}

  void SetUp() override {
    std::string why;
    display_ = OpenGameScreen(server_, screen_, why);
    ASSERT_FALSE(display_.empty()) << why;
    setenv("XDG_CONFIG_HOME", dir_.Path().c_str(), 1);
  }
  void TearDown() override {
    game_.reset();
    server_.reset();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    unsetenv("XDG_CONFIG_HOME");
  }

  ScratchDir dir_;
  std::string display_;
  std::unique_ptr<Process> server_, game_;

 private:
  std::string screen_;
};

}  // namespace testing_support
