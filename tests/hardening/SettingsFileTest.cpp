// The settings file as a careless or hostile hand leaves it: cut at every byte, bytes flipped at
// random, a huge file. The game never fails to start because of it: each either reads as settings
// the game could have written or is ignored with one line naming the file.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/system/Settings.h"

using namespace platform;

namespace {

Settings Everything() {
  Settings settings;
  settings.Scale = 2;
  settings.Window = WindowSize{1264, 906};
  settings.Fullscreen = true;
  settings.HangulMode = false;
  settings.InputMethod = "system";
  return settings;
}

class HostileSettings : public ::testing::Test {
 protected:
  // Loads `bytes` as the settings file; true when they were taken, false when they were ignored
  // with one line naming the file. Anything else fails the test.
  bool Loads(const std::string& bytes) {
    dir_.Write("vesk.conf", bytes);
    platform::SettingsFile file(dir_.Path() / "vesk.conf");
    SettingsKeeper keeper(file);
    std::vector<std::string> messages;
    const Settings settings = keeper.Load(messages);
    if (messages.empty()) return true;
    // A line the game cannot use is skipped with a message naming it; the other lines count.
    const std::string name = "settings file " + (dir_.Path() / "vesk.conf").string();
    if (messages.front().find(name + ", line ") == 0) {
      for (const std::string& message : messages) {
        EXPECT_EQ(message.find(name + ", line "), 0u) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
      }
      return true;
    }
    EXPECT_EQ(messages.size(), 1u);
    const std::string& message = messages.front();
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(message.find("settings file " + (dir_.Path() / "vesk.conf").string() + " ignored: "),
              0u)
        << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    return false;
  }

  testing_support::ScratchDir dir_;
};

TEST_F(HostileSettings, AFileCutAnywhereButAtALineEndIsIgnored) {
  const std::string whole = SettingsLines().With(Everything());
  ASSERT_TRUE(Loads(whole));
  for (size_t cut = 1; cut < whole.size(); ++cut) {
    EXPECT_EQ(Loads(whole.substr(0, cut)), whole[cut - 1] == '\n') << cut;
  }
}

TEST_F(HostileSettings, FlippedBytesAndHugeFilesNeverStopTheStart) {
  const std::string whole = SettingsLines().With(Everything());
  std::mt19937 random(14);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes = whole;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
    Loads(bytes);
  }
  EXPECT_FALSE(Loads(std::string(1 << 20, 'x')));
  EXPECT_FALSE(Loads(std::string(5000, '#') + "\n"));
}

// The player edits the file while the game runs; what the game writes afterwards changes only the
// setting the game changed, and keeps the player's comment, new line and own edit.
TEST_F(HostileSettings, WhatThePlayerWritesDuringPlayOutlivesTheGamesNextWrite) {
  const std::filesystem::path path = dir_.Path() / "vesk.conf";
  dir_.Write("vesk.conf", "scale = 2\nhangul = yes\n");
  platform::SettingsFile file(path);
  SettingsKeeper keeper(file);
  std::vector<std::string> messages;
  Settings settings = keeper.Load(messages);
  ASSERT_TRUE(messages.empty());
  dir_.Write("vesk.conf", "# mine\nscale = 3\nhangul = yes\nfullscreen = yes\n");
  settings.HangulMode = false;
  ASSERT_TRUE(keeper.Keep(settings));
  EXPECT_EQ(testing_support::ReadFile(path), "# mine\nscale = 3\nhangul = no\nfullscreen = yes\n");
  // A setting the player dropped meanwhile, and the game did not touch, stays dropped.
  dir_.Write("vesk.conf", "hangul = no\n");
  settings.Window = WindowSize{700, 500};
  ASSERT_TRUE(keeper.Keep(settings));
  EXPECT_EQ(testing_support::ReadFile(path), "hangul = no\nwindow = 700x500\n");
}

}  // namespace
