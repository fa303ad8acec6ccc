// Started from a desktop-less terminal (a text console, ssh without X forwarding), the game must
// say that it has no display and end, not wait unseen for keys nobody can send: SDL falls back on
// its own to a driver that draws into memory.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TestSupport.h"
#include "VirtualScreen.h"

using namespace testing_support;

TEST(NoDisplay, TheGameSaysSoOnStderrAndEndsWithStatus1) {
  const ScopedEnvironment x11("DISPLAY", std::nullopt), wayland("WAYLAND_DISPLAY", std::nullopt),
      driver("SDL_VIDEODRIVER", std::nullopt);
  ScratchDir dir;
  const std::string errors = (dir.Path() / "stderr.txt").string();
  Process game({VESK_BINARY, "--data", SourcePath("data").string()}, errors);
  ASSERT_TRUE(game.Ended(20)) << "the game is still waiting without a display";
  EXPECT_EQ(game.Status(), 1);
  EXPECT_NE(ReadFile(errors).find("vesk: cannot open a window: no display to show it on"),
            std::string::npos)
      << ReadFile(errors);
}

TEST(NoDisplay, ADisplayNamedButNotThereIsSaidToBeTheOneThatCouldNotBeOpened) {
  const ScopedEnvironment x11("DISPLAY", ":7791"), wayland("WAYLAND_DISPLAY", std::nullopt),
      driver("SDL_VIDEODRIVER", std::nullopt);
  ScratchDir dir;
  const std::string errors = (dir.Path() / "stderr.txt").string();
  Process game({VESK_BINARY, "--data", SourcePath("data").string()}, errors);
  ASSERT_TRUE(game.Ended(20)) << "the game is still waiting without a display";
  EXPECT_EQ(game.Status(), 1);
  EXPECT_NE(
      ReadFile(errors).find(
          "vesk: cannot open a window: the display named could not be opened (DISPLAY=:7791)"),
      std::string::npos)
      << ReadFile(errors);
}
