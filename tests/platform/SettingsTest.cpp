// The settings file: what it keeps, that it is written only on a change and never half, and that
// a file that is not one the game wrote (cut short, garbled, hostile, not a file at all) is
// ignored with one message naming it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/system/Settings.h"

using namespace platform;
using namespace std::string_literals;
using testing_support::ReadFile;
using testing_support::ScratchDir;

namespace {

Settings AllChosen() {
  Settings settings;
  settings.Scale = 2;
  settings.Window = WindowSize{1264, 906};
  settings.Fullscreen = false;
  settings.HangulMode = false;
  settings.InputMethod = "system";
  return settings;
}

// A fresh text holding exactly `settings`.
std::string TextOf(const Settings& settings) { return SettingsLines().With(settings); }

// The settings of a text whose every line is good; the first line skipped is the problem.
Result<Settings> WholeSettings(const std::string& text) {
  const Result<SettingsLines> lines = SettingsLines::Parse(text);
  if (!lines) return lines.Error();
  if (!lines->Problems().empty()) return Problem{lines->Problems().front()};
  return lines->Values();
}

TEST(Settings, WhatIsWrittenReadsBackAndOnlyChosenSettingsAreWritten) {
  const auto written = WholeSettings(TextOf(AllChosen()));
  ASSERT_TRUE(written) << written.Error().Message;
  EXPECT_EQ(*written, AllChosen());
  Settings one;
  one.HangulMode = true;
  const std::string text = TextOf(one);
  EXPECT_NE(text.find("hangul = yes\n"), std::string::npos);
  EXPECT_EQ(text.find("scale"), std::string::npos);
  // Written by hand: spaces, comments, blank lines and Windows line ends are fine.
  const auto edited = WholeSettings("# mine\r\n\n  scale=3  \r\nime =builtin\n");
  ASSERT_TRUE(edited) << edited.Error().Message;
  EXPECT_EQ(edited->Scale, 3);
  EXPECT_EQ(edited->InputMethod, "builtin");
  EXPECT_FALSE(edited->Fullscreen);
  EXPECT_EQ(*WholeSettings(""), Settings{});
}

TEST(Settings, AFileTheGameDidNotWriteIsRefusedNamingTheLine) {
  const std::string bad[] = {
      "scale = 2",                   // cut short mid-line
      "scale = 2\nfullscreen = ye",  // cut short mid-word
      "scale = 0\n",                 // out of range
      "scale = 17\n",
      "scale = 99999999999999999999\n",  // would overflow
      "scale = -1\n",
      "scale = 2\nscale = 3\n",  // twice
      "zoom = 2\n",              // unknown
      "scale\n",                 // no value
      "window = 1264x\n",
      "window = 0x906\n",
      "window = 1264x906x2\n",
      "fullscreen = 1\n",
      "ime = fcitx\n",
      "hangul = yes\0\n"s,  // a NUL inside a line
      "hangul = y\res\n",
  };
  for (const std::string& text : bad) {
    const auto refused = WholeSettings(text);
    ASSERT_FALSE(refused) << text;
    EXPECT_FALSE(refused.Error().Message.empty()) << text;
  }
  const std::string problem = WholeSettings("# fine\nzoom = 2\n").Error().Message;
  EXPECT_EQ(problem.rfind("line 2:", 0), 0u) << problem;
}

// The settings a keeper loads, with its messages joined in `message` (each must be one line).
Settings Loaded(SettingsKeeper& keeper, std::string& message) {
  std::vector<std::string> messages;
  const Settings settings = keeper.Load(messages);
  message.clear();
  for (const std::string& line : messages) {
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    message += (message.empty() ? "" : "\n") + line;
  }
  return settings;
}

// Whether the keeper kept `settings`; when not, its problem in `message`.
bool Kept(SettingsKeeper& keeper, const Settings& settings, std::string& message) {
  const Result<void> kept = keeper.Keep(settings);
  message = kept ? "" : kept.Error().Message;
  return static_cast<bool>(kept);
}

class SettingsFile : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::filesystem::path path = dir.Path() / "config" / "vesk" / "vesk.conf";
  platform::SettingsFile file{path};
  SettingsKeeper store{file};
};

TEST_F(SettingsFile, NoFileIsNoSettingsAndNoMessageAndWritingMakesTheFolder) {
  std::string message;
  EXPECT_EQ(Loaded(store, message), Settings{});
  EXPECT_EQ(message, "");
  EXPECT_TRUE(Kept(store, Settings{}, message)) << message;  // nothing chosen: nothing written
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(Kept(store, AllChosen(), message)) << message;
  EXPECT_EQ(ReadFile(path), TextOf(AllChosen()));
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));
  platform::SettingsFile againFile(path);
  SettingsKeeper again(againFile);
  EXPECT_EQ(Loaded(again, message), AllChosen());
}

TEST_F(SettingsFile, ItIsWrittenOnlyWhenASettingChanges) {
  std::string message;
  ASSERT_TRUE(Kept(store, AllChosen(), message)) << message;
  std::filesystem::last_write_time(path, std::filesystem::file_time_type{});
  platform::SettingsFile nextFile(path);
  SettingsKeeper next(nextFile);
  Loaded(next, message);
  ASSERT_TRUE(Kept(next, AllChosen(), message)) << message;
  EXPECT_EQ(std::filesystem::last_write_time(path), std::filesystem::file_time_type{});
  Settings changed = AllChosen();
  changed.HangulMode = true;
  ASSERT_TRUE(Kept(next, changed, message)) << message;
  EXPECT_NE(std::filesystem::last_write_time(path), std::filesystem::file_time_type{});
}

TEST_F(SettingsFile, BadFilesAreIgnoredWithOneLineNamingThemAndReplacedOnTheNextChange) {
  std::filesystem::create_directories(path.parent_path());
  auto loadOf = [&](const std::string& bytes) {
    dir.Write("config/vesk/vesk.conf", bytes);
    std::string message;
    EXPECT_EQ(Loaded(store, message), Settings{}) << bytes.substr(0, 40);
    return message;
  };
  for (const std::string& bytes :
       {std::string("scale = 2"), std::string("\x89PNG\r\n\x1a\n", 8), std::string(5000, '\n'),
        std::string("hangul = no\n") + std::string(8000, '#') + "\n"}) {
    const std::string message = loadOf(bytes);
    EXPECT_EQ(message.find("settings file " + path.string() + " ignored: "), 0u) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos);
  }
  std::string message;
  ASSERT_TRUE(Kept(store, AllChosen(), message)) << message;
  EXPECT_EQ(ReadFile(path), TextOf(AllChosen()));
  // A link to nothing, and a pipe that would never end, are refused without reading.
  std::filesystem::remove(path);
  std::filesystem::create_symlink(dir.Path() / "nowhere", path);
  EXPECT_EQ(Loaded(store, message), Settings{});
  EXPECT_NE(message.find("a link to nothing"), std::string::npos) << message;
  std::filesystem::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(Loaded(store, message), Settings{});
  EXPECT_NE(message.find("not a file"), std::string::npos) << message;
  // A folder where the file should be: ignored, and keeping fails with a message, not a crash.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(Loaded(store, message), Settings{});
  EXPECT_NE(message.find("not a file"), std::string::npos);
  EXPECT_FALSE(Kept(store, AllChosen(), message));
  EXPECT_NE(message.find("cannot keep the settings: cannot write " + path.string()),
            std::string::npos)
      << message;
}

}  // namespace

namespace {

// The player's own file: comments, a line the game does not know, and one value it cannot use.
constexpr char kPlayersFile[] =
    "# my vesk\n"
    "scale = 3\n"
    "fullscreen = maybe\n"
    "  colour = amber   # for later\n"
    "hangul=no\r\n"
    "\n";

TEST_F(SettingsFile, ALineTheGameCannotUseIsSkippedAndEveryLineItDidNotChangeIsKept) {
  std::filesystem::create_directories(path.parent_path());
  dir.Write("config/vesk/vesk.conf", kPlayersFile);
  std::string message;
  Settings settings = Loaded(store, message);
  EXPECT_EQ(settings.Scale, 3);
  EXPECT_EQ(settings.HangulMode, false);
  EXPECT_FALSE(settings.Fullscreen);
  EXPECT_EQ(message, "settings file " + path.string() +
                         ", line 3: fullscreen takes yes or no (the line is skipped)\n"
                         "settings file " +
                         path.string() +
                         ", line 4: not a setting the game knows (the line is skipped)");
  // Only the lines of what changed are rewritten: the bad value's line, and Hangul's with its
  // own line end; a setting chosen anew is added at the end.
  settings.Fullscreen = true;
  settings.HangulMode = true;
  settings.InputMethod = "system";
  ASSERT_TRUE(Kept(store, settings, message)) << message;
  EXPECT_EQ(ReadFile(path),
            "# my vesk\nscale = 3\nfullscreen = yes\n  colour = amber   # for later\n"
            "hangul = yes\r\n\nime = system\n");
  // A setting no longer chosen loses its line.
  settings.Scale.reset();
  settings.Window = WindowSize{800, 600};
  ASSERT_TRUE(Kept(store, settings, message)) << message;
  EXPECT_EQ(ReadFile(path),
            "# my vesk\nfullscreen = yes\n  colour = amber   # for later\n"
            "hangul = yes\r\n\nime = system\nwindow = 800x600\n");
}

TEST_F(SettingsFile, ALinkedFileIsWrittenThroughAndAPlantedLinkBesideItIsNeverFollowed) {
  std::filesystem::create_directories(path.parent_path());
  dir.Write("dotfiles-vesk.conf", kPlayersFile);
  std::filesystem::create_symlink(dir.Path() / "dotfiles-vesk.conf", path);
  dir.Write("victim", "untouched\n");
  std::filesystem::create_symlink(dir.Path() / "victim", path.string() + ".new");
  std::string message;
  Settings settings = Loaded(store, message);
  settings.Fullscreen = false;
  ASSERT_TRUE(Kept(store, settings, message)) << message;
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_NE(ReadFile(dir.Path() / "dotfiles-vesk.conf").find("\nfullscreen = no\n"),
            std::string::npos);
  EXPECT_EQ(ReadFile(dir.Path() / "victim"), "untouched\n");
}

TEST_F(SettingsFile, AFolderThatCannotBeWrittenGivesTheRealReason) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  std::filesystem::create_directories(path.parent_path());
  std::filesystem::permissions(
      path.parent_path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  std::string message;
  EXPECT_FALSE(Kept(store, AllChosen(), message));
  std::filesystem::permissions(path.parent_path(), std::filesystem::perms::owner_all);
  EXPECT_NE(message.find(path.string() + ": Permission denied"), std::string::npos) << message;
}

}  // namespace
