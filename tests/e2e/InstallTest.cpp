// A packager's view: the installed game carries its data, a menu entry and an icon, finds its data
// from any working directory without being told where it is, and reads it where it lies, whatever
// the player's own folders hold or lack.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Installs the build under `prefix` as cmake --install does for a packager.
bool Install(const fs::path& prefix) {
  const std::string install = "cmake --install '" + std::string(VESK_TOOLS_DIR) + "' --prefix '" +
                              prefix.string() + "' >/dev/null";
  return std::system(install.c_str()) == 0;
}

// Leaves the installed data as a package does: read-only to every player.
void MakeDataReadOnly(const fs::path& prefix) {
  for (const auto& entry : fs::directory_iterator(prefix / "share/vesk")) {
    fs::permissions(entry.path(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
}

bool InstallReadOnly(const fs::path& prefix) {
  if (!Install(prefix)) return false;
  MakeDataReadOnly(prefix);
  return true;
}

// The installed game run from `folder` to take one step north, under env(1) with `environment`
// ("NAME=value" words, "-u NAME" to unset one): its status, its state (as Output) and its
// standard error.
GameRun StepNorth(const fs::path& prefix, const fs::path& folder, const std::string& environment) {
  fs::create_directories(folder);
  std::ofstream(folder / "north.script") << "key Up\n";
  const std::string run = "cd " + ShellQuoted(folder.string()) + " && env " + environment + " " +
                          ShellQuoted((prefix / "bin/vesk").string()) +
                          " --headless --script north.script --state north.json 2>north.err";
  GameRun result;
  result.Status = std::system(run.c_str());
  if (fs::exists(folder / "north.json")) result.Output = ReadFile(folder / "north.json");
  result.Errors = ReadFile(folder / "north.err");
  return result;
}

// With its map, the first step north from the start is plain road.
bool WalkedTheRealMap(const GameRun& run) {
  return run.Status == 0 && run.Output.find("\"x\": 50, \"y\": 49") != std::string::npos;
}

constexpr auto kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;

}  // namespace

TEST(Install, TheInstalledGameFindsItsReadOnlyDataWithNoFlagAndReadsItInPlace) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(InstallReadOnly(prefix));
  for (const char* file :
       {"bin/vesk", "share/vesk/VESK.M", "share/vesk/TOWN.FNT", "share/vesk/CHARA.PAL",
        "share/vesk/H01.fnt", "share/vesk/ascii.fnt", "share/applications/vesk.desktop",
        "share/metainfo/org.example.vesk.metainfo.xml", "share/locale/ko/LC_MESSAGES/vesk.mo"}) {
    EXPECT_TRUE(fs::exists(prefix / file)) << file;
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_TRUE(fs::exists(prefix / "share/icons/hicolor" / name / "apps/vesk.png")) << name;
  }
  // Run from an empty folder: the map is found and read where it lies, copied nowhere.
  const fs::path home = dir.Path() / "home";
  const GameRun run = StepNorth(prefix, dir.Path() / "elsewhere",
                                "HOME=" + ShellQuoted(home.string()) +
                                    " XDG_DATA_HOME=" + ShellQuoted((home / "data").string()));
  EXPECT_TRUE(WalkedTheRealMap(run)) << run.Status << " " << run.Output << run.Errors;
  EXPECT_EQ(run.Errors, "");
  EXPECT_FALSE(fs::exists(home)) << "the game wrote into the player's folders";
}

TEST(Install, WhatLiesInThePlayersDataFolderPlaysNoPart) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(InstallReadOnly(prefix));
  // The package's files are dated long ago, as Debian dates them by its changelog.
  const auto now = fs::file_time_type::clock::now();
  for (const auto& entry : fs::directory_iterator(prefix / "share/vesk"))
    fs::last_write_time(entry.path(), now - std::chrono::hours(24 * 3000));
  // What an earlier version of the game left in the player's data folder, or someone planted
  // there: a map of other bytes, a font cut short by a full disk, and a palette that is a link to
  // a private file of the player's, older than the package's.
  const fs::path home = dir.Path() / "home", copy = home / ".local/share/vesk";
  fs::create_directories(copy);
  std::ofstream(copy / "VESK.M") << std::string(10096, '\x7f');
  std::ofstream(copy / "CHARA.FNT") << ReadFile(prefix / "share/vesk/CHARA.FNT").substr(0, 12288);
  const fs::path secret = home / "secret.txt";
  std::ofstream(secret) << "the player's own";
  fs::permissions(secret, kOwnerOnly);
  fs::last_write_time(secret, now - std::chrono::hours(24 * 6000));
  fs::create_symlink(secret, copy / "TOWN.PAL");
  const GameRun run = StepNorth(prefix, dir.Path() / "elsewhere",
                                "-u XDG_DATA_HOME HOME=" + ShellQuoted(home.string()));
  EXPECT_TRUE(WalkedTheRealMap(run)) << run.Status << " " << run.Output << run.Errors;
  EXPECT_EQ(run.Errors, "");
  EXPECT_EQ(ReadFile(secret), "the player's own");
  EXPECT_EQ(fs::status(secret).permissions(), kOwnerOnly);
}

TEST(Install, WithoutAHomeOrWithRelativeFoldersTheInstalledGamePlaysItsDataAndMakesNoFolder) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(InstallReadOnly(prefix));
  int runs = 0;
  for (const std::string environment :
       {"-u HOME -u XDG_DATA_HOME", "HOME=home XDG_DATA_HOME=data", "-u XDG_DATA_HOME HOME=."}) {
    const fs::path folder = dir.Path() / ("run" + std::to_string(++runs));
    const GameRun run = StepNorth(prefix, folder, environment);
    EXPECT_TRUE(WalkedTheRealMap(run)) << environment << ": " << run.Output << run.Errors;
    EXPECT_EQ(run.Errors, "") << environment;
    for (const char* made : {"home", "data", ".local"})
      EXPECT_FALSE(fs::exists(folder / made)) << environment << ": " << made;
  }
}

TEST(Install, InstalledGamesStartingInPairsAllPlayTheirData) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(InstallReadOnly(prefix));
  std::ofstream(dir.Path() / "walk.script") << "key Up\nkey Left\n";
  // Each pair is a player's first two starts at once, with an empty data folder of their own.
  constexpr int kPairs = 20;
  const std::string game =
      ShellQuoted((prefix / "bin/vesk").string()) + " --headless --script walk.script --state ";
  const std::string starts = "for i in $(seq " + std::to_string(kPairs) +
                             "); do export XDG_DATA_HOME=\"$PWD/player$i\"; " + game +
                             "a$i.json 2>a$i.err & " + game + "b$i.json 2>b$i.err & wait; done";
  ASSERT_EQ(std::system(("cd " + ShellQuoted(dir.Path().string()) + " && " + starts).c_str()), 0);
  for (int i = 1; i <= kPairs; ++i) {
    for (const std::string run : {"a", "b"}) {
      const fs::path results = dir.Path() / (run + std::to_string(i));
      EXPECT_EQ(ReadFile(results.string() + ".err"), "") << results;
      ASSERT_TRUE(fs::exists(results.string() + ".json")) << results;
      EXPECT_NE(ReadFile(results.string() + ".json").find("\"x\": 49, \"y\": 49"),
                std::string::npos)
          << results;
    }
  }
}

TEST(Install, AShortInstalledFileIsNamedWhereItLies) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(Install(prefix));
  const fs::path font = prefix / "share/vesk/CHARA.FNT";
  const std::string whole = ReadFile(font);
  std::ofstream(font, std::ios::binary | std::ios::trunc) << whole.substr(0, 12288);
  MakeDataReadOnly(prefix);
  const GameRun run = StepNorth(prefix, dir.Path() / "elsewhere",
                                "XDG_DATA_HOME=" + ShellQuoted((dir.Path() / "data").string()));
  EXPECT_NE(run.Status, 0);
  EXPECT_EQ(run.Errors,
            "vesk: cannot start: " + fs::canonical(font).string() + ": Read beyond end of file\n");
}

TEST(Install, TheInstalledGameFindsItsKoreanCatalogueAmongOtherLanguages) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  // Other programs' languages, without a catalogue of the game's, as in a system's share/locale,
  // there before the game's: the folder's listing comes to some of them before Korean.
  for (char first = 'a'; first <= 'z'; ++first) {
    for (const char second : {'a', 'm'}) {
      fs::create_directories(prefix / "share/locale" / std::string{first, second} / "LC_MESSAGES");
    }
  }
  ASSERT_TRUE(Install(prefix));
  const std::string run = "env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=ko '" +
                          (prefix / "bin/vesk").string() + "' --help >help.txt";
  ASSERT_EQ(std::system(run.c_str()), 0);
  EXPECT_NE(ReadFile(dir.Path() / "help.txt").find("사용법"), std::string::npos)
      << ReadFile(dir.Path() / "help.txt");
}
