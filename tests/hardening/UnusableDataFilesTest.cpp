// Data files the game cannot use (a folder, a pipe or a device in a file's place, a read-only
// file): the game starts without them as ever, and says which ones and why, one line each.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "app/DataFiles.h"

using namespace testing_support;
namespace fs = std::filesystem;

TEST(UnusableDataFiles, EachIsNamedWithWhyAndTheGameStillStarts) {
  ScratchDir dir;
  fs::create_directory(dir.Path() / "data");
  for (const char* name : kDataFiles)
    fs::copy_file(SourcePath("data") / name, dir.Path() / "data" / name);
  const fs::path data = dir.Path() / "data";
  fs::remove(data / "VESK.M");
  fs::create_directory(data / "VESK.M");
  fs::remove(data / "TOWN.PAL");
  ASSERT_EQ(mkfifo((data / "TOWN.PAL").c_str(), 0600), 0);
  fs::remove(data / "CHARA.FNT");
  fs::create_symlink("/dev/zero", data / "CHARA.FNT");
  fs::permissions(data / "H01.fnt", fs::perms::owner_read | fs::perms::group_read);
  fs::remove(data / "ascii.fnt");
  dir.Write("script.txt", "key Left\n");
  const GameRun run = RunGame({"--headless", "--script", "script.txt", "--data", data.string()});
  EXPECT_EQ(run.Status, 0) << run.Errors;
  const std::string folder = "vesk: data folder " + data.string() + ": ";
  EXPECT_EQ(run.Errors, folder + "VESK.M is not a regular file; starting without it\n" + folder +
                            "TOWN.PAL is not a regular file; starting without it\n" + folder +
                            "CHARA.FNT is not a regular file; starting without it\n" + folder +
                            "ascii.fnt is missing; starting without it\n" + folder +
                            "H01.fnt is read-only; starting without it\n");
}

TEST(UnusableDataFiles, AFolderOfReadOnlyFilesIsNotCalledEmpty) {
  ScratchDir dir;
  fs::create_directory(dir.Path() / "data");
  const fs::path data = dir.Path() / "data";
  for (const char* name : kDataFiles) {
    fs::copy_file(SourcePath("data") / name, data / name);
    fs::permissions(data / name, fs::perms::owner_read | fs::perms::group_read);
  }
  dir.Write("script.txt", "key Left\n");
  const GameRun run = RunGame({"--headless", "--script", "script.txt", "--data", data.string()});
  EXPECT_EQ(run.Status, 0) << run.Errors;
  EXPECT_EQ(run.Errors.find("holds none"), std::string::npos) << run.Errors;
  EXPECT_NE(run.Errors.find(": VESK.M is read-only; starting without it\n"), std::string::npos)
      << run.Errors;
}
