// The one start path: what it reads in which order, what it keeps, and that a start that fails
// is reported once, on one line naming what failed, and goes no further.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "platform/system/Settings.h"
#include "start/StartUp.h"

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScratchDir;

namespace {

// Begin with `words` after the program's name.
std::optional<int> Begin(StartUp& start, std::vector<const char*> words) {
  words.insert(words.begin(), "vesk");
  return start.Begin(static_cast<int>(words.size()), const_cast<char**>(words.data()));
}

void CopyAllData(const ScratchDir& dir) {
  for (const char* name : kDataFiles) dir.CopyData(name);
}

TEST(StartUp, ABrokenDataFileStopsTheStartWithOneLineNamingItWhereItLies) {
  ScratchDir dir;
  CopyAllData(dir);
  const std::string sheet = std::string(kSpriteSheet) + ".FNT";
  const std::string whole = ReadFile(dir.Path() / sheet);
  dir.Write(sheet, whole.substr(0, whole.size() / 2));
  std::vector<std::string> notices;
  StartWays ways;
  ways.Notify = [&](const std::string& notice) { notices.push_back(notice); };
  StartUp start(std::move(ways));
  testing::internal::CaptureStderr();
  const auto stop = Begin(start, {});
  const bool created = stop ? false : start.CreateGame();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(stop);
  EXPECT_FALSE(created);
  EXPECT_EQ(said, "vesk: cannot start: " + fs::canonical(dir.Path() / sheet).string() +
                      ": Read beyond end of file\n");
  // A failed start is not a notice of a start that goes on.
  EXPECT_TRUE(notices.empty());
}

TEST(StartUp, AFolderThatCannotBeEnteredEndsTheStartBeforeTheSettings) {
  ScratchDir dir;
  // The player's settings, which a start that stopped must leave as they were.
  platform::SettingsFile file(dir.Path() / "vesk.conf");
  dir.Write("vesk.conf", "scale = 3\n");
  StartWays ways;
  ways.Store = &file;
  ways.EnterData = [](const Options&) -> platform::Result<std::vector<std::string>> {
    return platform::Problem{"the data files are missing"};
  };
  StartUp start(std::move(ways));
  testing::internal::CaptureStderr();
  const auto stop = Begin(start, {"--fullscreen"});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "vesk: the data files are missing\n");
  EXPECT_EQ(stop, 1);
  EXPECT_FALSE(start.Settings().Scale);
  EXPECT_EQ(ReadFile(dir.Path() / "vesk.conf"), "scale = 3\n");
}

TEST(StartUp, OptionsItCannotUseEndTheStartWithTheUsageAndTheHelpEndsItWell) {
  StartUp refused{StartWays{}};
  testing::internal::CaptureStderr();
  EXPECT_EQ(Begin(refused, {"--scale", "0"}), 2);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("vesk: --scale takes a whole number from 1 to ", 0), 0u) << said;
  EXPECT_NE(said.find("Usage: vesk"), std::string::npos);
  StartUp help{StartWays{}};
  testing::internal::CaptureStdout();
  EXPECT_EQ(Begin(help, {"--help"}), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Usage: vesk", 0), 0u);
}

TEST(StartUp, TheCommandLineWinsOverWhatIsKeptAndIsKeptForTheNextRun) {
  ScratchDir dir;
  CopyAllData(dir);
  platform::SettingsFile file(dir.Path() / "vesk.conf");
  dir.Write("vesk.conf", "scale = 3\nhangul = maybe\n");
  {
    std::vector<std::string> notices;
    StartWays ways;
    ways.Store = &file;
    ways.Notify = [&](const std::string& notice) { notices.push_back(notice); };
    StartUp start(std::move(ways));
    testing::internal::CaptureStderr();
    ASSERT_FALSE(Begin(start, {"--fullscreen", "--ime", "system"}));
    const std::string said = testing::internal::GetCapturedStderr();
    // The line it cannot use is told once on each of the player's two places, naming the file.
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("vesk.conf"), std::string::npos) << notices[0];
    EXPECT_EQ(said, "vesk: " + notices[0] + "\n");
    EXPECT_EQ(start.Settings().Scale, 3);
    EXPECT_EQ(start.Settings().Fullscreen, true);
    EXPECT_TRUE(start.SystemInputMethod());
    // The desktop's input method types, not the built-in keyboard; none has answered yet.
    EXPECT_EQ(start.Form().Input().Mode(), platform::TypingMode::DesktopSilent);
    ASSERT_TRUE(start.KeepSettings());
  }
  StartWays kept;
  kept.Store = &file;
  StartUp next(kept);
  ASSERT_FALSE(Begin(next, {}));
  EXPECT_EQ(next.Settings().Scale, 3);
  EXPECT_EQ(next.Settings().Fullscreen, true);
  EXPECT_TRUE(next.SystemInputMethod());
}

TEST(StartUp, ThePortsWayOfTypingIsUsedButNotKept) {
  ScratchDir dir;
  CopyAllData(dir);
  platform::SettingsFile file(dir.Path() / "vesk.conf");
  StartWays ways;
  ways.Store = &file;
  ways.Typing = [](platform::Settings typing) {
    typing.InputMethod = "system";
    return typing;
  };
  StartUp start(std::move(ways));
  ASSERT_FALSE(Begin(start, {"--fullscreen"}));
  EXPECT_TRUE(start.SystemInputMethod());
  EXPECT_FALSE(start.Settings().InputMethod);
  ASSERT_TRUE(start.CreateGame());
  ASSERT_TRUE(start.KeepSettings());
  const std::string kept = ReadFile(dir.Path() / "vesk.conf");
  EXPECT_NE(kept.find("fullscreen"), std::string::npos) << kept;
  EXPECT_EQ(kept.find("ime"), std::string::npos) << kept;
}

}  // namespace
