// Every data file broken in every way a player's folder can break it: cut short at every length,
// padded, filled with noise, made read-only, replaced by a folder or by a link to nowhere. The
// game either starts with what it can use or stops at start-up naming the file and the problem;
// it never starts half-made.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "GameInProcess.h"
#include "TestSupport.h"
#include "platform/system/DataFile.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

std::string Noise(size_t size, uint32_t seed) {
  std::mt19937 generator(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator());
  return bytes;
}

void Replace(const std::string& name, const std::string& bytes) {
  std::error_code ignored;
  fs::remove_all(name, ignored);
  FILE* file = std::fopen(name.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

struct Tally {
  int Cases = 0;
  int Started = 0;
  int Stopped = 0;
};

// Starts the game objects once and checks that the start either made all of them or stopped on
// `name` with a short read and made none.
void ExpectStartOrCleanStop(TForm1& form, const DataFileInfo& file, bool mayStop, Tally& tally,
                            const std::string& what) {
  ++tally.Cases;
  const auto failure = StartGameObjects(form);
  if (!failure) {
    ++tally.Started;
    EXPECT_TRUE(AllGameObjects()) << file.Name << " " << what;
    form.Destroy();
    return;
  }
  ++tally.Stopped;
  EXPECT_TRUE(mayStop) << file.Name << " " << what << " stopped the start: " << *failure;
  EXPECT_EQ(*failure, (std::filesystem::current_path() / file.Name).string() + ": " +
                          platform::kReadBeyondEnd)
      << what;
  EXPECT_TRUE(NoGameObjects()) << file.Name << " " << what;
}

// The first frame of a game started in the current folder.
platform::Bitmap FirstFrame() {
  TForm1 form;
  platform::Bitmap frame;
  if (!StartGameObjects(form)) {
    form.Paint();
    form.PrepareFrame();
    frame = form.Canvas();
  }
  return frame;
}

// Copies the seven data files into the folder `name` of the current directory.
void CopyAllDataInto(const std::string& name) {
  const fs::path here = fs::current_path();
  fs::create_directory(name);
  fs::current_path(name);
  CopyAllData();
  fs::current_path(here);
}

bool SameFrame(const platform::Bitmap& a, const platform::Bitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() && ChangedPixelsOutside(a, b, {}) == 0;
}

}  // namespace

TEST(BrokenDataFiles, EveryCutPadAndNoiseStartsWholeOrStopsOnTheFile) {
  ScratchDir dir;
  CopyAllData();
  TForm1 form;
  QuietStderr quiet;
  for (const DataFileInfo& file : GameDataFiles()) {
    const std::string real = ReadFile(SourcePath("data/" + file.Name));
    Tally tally;
    // Cut from the end, one byte at a time, down to an empty file.
    Replace(file.Name, real);
    for (size_t length = real.size() + 1; length-- > 0;) {
      fs::resize_file(file.Name, length);
      const bool shortFile = length < real.size();
      ExpectStartOrCleanStop(form, file, shortFile && !file.MayBeShort, tally,
                             "cut to " + std::to_string(length));
      if (::testing::Test::HasFailure()) return;  // one report, not thousands
    }
    for (const size_t extra : {size_t{1}, size_t{4096}}) {
      Replace(file.Name, real + Noise(extra, 7));
      ExpectStartOrCleanStop(form, file, false, tally, "padded");
    }
    for (uint32_t seed = 1; seed <= 8; ++seed) {
      Replace(file.Name, Noise(real.size(), seed));
      ExpectStartOrCleanStop(form, file, false, tally, "noise");
    }
    Replace(file.Name, real);
    std::fprintf(stdout, "%-9s %6d cases: %6d started, %6d stopped naming the file\n",
                 file.Name.c_str(), tally.Cases, tally.Started, tally.Stopped);
  }
}

TEST(BrokenDataFiles, ReadOnlyFoldersAndDanglingLinksCountAsAbsent) {
  ScratchDir dir;
  CopyAllData();
  int cases = 0;
  for (const DataFileInfo& file : GameDataFiles()) {
    const std::string real = ReadFile(SourcePath("data/" + file.Name));
    fs::remove(file.Name);
    const platform::Bitmap absent = FirstFrame();
    ASSERT_FALSE(absent.Empty()) << "a missing " << file.Name << " stopped the start";

    Replace(file.Name, real);
    ::chmod(file.Name.c_str(), 0444);
    EXPECT_TRUE(SameFrame(FirstFrame(), absent)) << "read-only " << file.Name;
    fs::remove(file.Name);

    fs::create_directory(file.Name);
    EXPECT_TRUE(SameFrame(FirstFrame(), absent)) << file.Name << " as a folder";
    fs::remove(file.Name);

    fs::create_symlink("gone-" + file.Name, file.Name);
    EXPECT_TRUE(SameFrame(FirstFrame(), absent)) << file.Name << " as a dangling link";
    fs::remove(file.Name);

    Replace(file.Name, real);
    cases += 4;
  }
  std::fprintf(stdout, "%d absent, read-only, folder and dangling-link cases\n", cases);
}

TEST(BrokenDataFiles, TheProgramStopsWithOneMessageOrStarts) {
  ScratchDir dir;
  CopyAllDataInto("data");
  dir.Write("script.txt", "key Up\nkey Left\npaint\n");
  int runs = 0;
  for (const DataFileInfo& file : GameDataFiles()) {
    const fs::path path = dir.Path() / "data" / file.Name;
    const std::string real = ReadFile(SourcePath("data/" + file.Name));
    const auto run = [&](const std::string& what, bool stops) {
      ++runs;
      const GameRun game = RunGame(
          {"--headless", "--script", "script.txt", "--data", (dir.Path() / "data").string()});
      if (!stops) {
        EXPECT_EQ(game.Status, 0) << file.Name << " " << what << ": " << game.Errors;
        return;
      }
      EXPECT_NE(game.Status, 0) << file.Name << " " << what;
      EXPECT_EQ(game.Errors, "vesk: cannot start: " + fs::canonical(path).string() +
                                 ": Read beyond end of file\n")
          << what;
    };
    for (const size_t length : {size_t{0}, real.size() / 2, real.size() - 1}) {
      Replace(path.string(), real.substr(0, length));
      run("cut to " + std::to_string(length), !file.MayBeShort);
    }
    Replace(path.string(), Noise(real.size(), 3));
    run("noise", false);
    fs::remove(path);
    fs::create_directory(path);
    run("as a folder", false);
    fs::remove(path);
    fs::create_symlink("gone", path);
    run("as a dangling link", false);
    fs::remove(path);
    Replace(path.string(), real);
  }
  std::fprintf(stdout, "%d program runs\n", runs);
}

TEST(BrokenDataFiles, AShortFontIsSaidOnceAsTheGamesOwnMessage) {
  // The talk panes and the controls each load the fonts; the player hears of a short one once.
  ScratchDir dir;
  CopyAllDataInto("data");
  dir.Write("script.txt", "key Up\npaint\n");
  for (const DataFileInfo& file : GameDataFiles()) {
    if (!file.MayBeShort) continue;
    const fs::path path = dir.Path() / "data" / file.Name;
    const std::string real = ReadFile(SourcePath("data/" + file.Name));
    const size_t half = real.size() / 2;
    Replace(path.string(), real.substr(0, half));
    const GameRun game =
        RunGame({"--headless", "--script", "script.txt", "--data", (dir.Path() / "data").string()});
    EXPECT_EQ(game.Status, 0) << game.Errors;
    EXPECT_EQ(game.Errors, "vesk: " + file.Name + ": only " + std::to_string(half) + " of " +
                               std::to_string(real.size()) + " font bytes; the rest is blank\n");
    Replace(path.string(), real);
  }
}
