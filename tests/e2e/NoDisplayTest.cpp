// Started from a desktop-less terminal (a text console, ssh without X forwarding), the game must
// say that it has no display and end, not wait unseen for keys nobody can send: SDL falls back on
// its own to a driver that draws into memory.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "VirtualScreen.h"

using namespace testing_support;

namespace {

// Starts the game with DISPLAY as given (unset: nullopt) and neither Wayland nor a driver chosen;
// returns its stderr once it ended with status 1, or what went wrong instead.
std::string ErrorsOfAStartWithDisplay(const std::optional<std::string>& display) {
  const ScopedEnvironment x11("DISPLAY", display), wayland("WAYLAND_DISPLAY", std::nullopt),
      driver("SDL_VIDEODRIVER", std::nullopt);
  ScratchDir dir;
  const std::string errors = (dir.Path() / "stderr.txt").string();
  Process game({VESK_BINARY, "--data", SourcePath("data").string()}, errors);
  if (!game.Ended(20)) return "the game is still waiting without a display";
  if (game.Status() != 1)
    return "status " + std::to_string(game.Status()) + ": " + ReadFile(errors);
  return ReadFile(errors);
}

}  // namespace

TEST(NoDisplay, TheGameSaysSoOnStderrAndEndsWithStatus1) {
  const std::string errors = ErrorsOfAStartWithDisplay(std::nullopt);
  EXPECT_NE(errors.find("vesk: cannot open a window: no display to show it on"), std::string::npos)
      << errors;
}

TEST(NoDisplay, ADisplayNamedButNotThereIsSaidToBeTheOneThatCouldNotBeOpened) {
  const std::string errors = ErrorsOfAStartWithDisplay(":7791");
  EXPECT_NE(errors.find("vesk: cannot open a window: the display named could not be opened "
                        "(DISPLAY=:7791)"),
            std::string::npos)
      << errors;
}

TEST(NoDisplay, WithoutARuntimeFolderOnlyTheGameSpeaksOnStderr) {
  // Without XDG_RUNTIME_DIR no Wayland compositor can be reached; a try at one would add
  // libwayland's own complaint to the game's message.
  const ScopedEnvironment runtime("XDG_RUNTIME_DIR", std::nullopt);
  for (const std::optional<std::string>& display : {std::optional<std::string>(), {":7791"}}) {
    const std::string errors = ErrorsOfAStartWithDisplay(display);
    EXPECT_NE(errors.find("vesk: cannot open a window: "), std::string::npos) << errors;
    std::istringstream lines(errors);
    for (std::string line; std::getline(lines, line);)
      EXPECT_EQ(line.rfind("vesk: ", 0), 0u) << line;
  }
}
