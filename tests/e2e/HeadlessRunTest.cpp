// Whole runs of the game program: headless scripts over the shipped data, broken data folders
// and bad command lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "RealWorld.h"
#include "TestSupport.h"
#include "platform/image/Png.h"

using namespace testing_support;

namespace {

std::string DataDir() { return SourcePath("data").string(); }

struct Outputs {
  GameRun Run;
  std::string Log;
  std::string State;
};

Outputs RunScript(const ScratchDir& dir, const std::string& script,
                  const std::string& data = DataDir()) {
  dir.Write("script.txt", script);
  Outputs out;
  out.Run =
      RunGame({"--headless", "--script", "script.txt", "--data", data, "--log",
               (dir.Path() / "log.txt").string(), "--state", (dir.Path() / "state.json").string(),
               "--screenshot", (dir.Path() / "shot.png").string()});
  if (out.Run.Status == 0) {
    out.Log = ReadFile(dir.Path() / "log.txt");
    out.State = ReadFile(dir.Path() / "state.json");
  }
  return out;
}

}  // namespace

TEST(HeadlessRun, AFreshRunShowsTheWindowAndTheStartingState) {
  ScratchDir dir;
  const Outputs out = RunScript(dir, "");
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  EXPECT_EQ(out.Log, "이벤트 로그\n\n\n");
  EXPECT_NE(out.State.find("\"hero\": {\"x\": 50, \"y\": 50, \"facing\": 0}"), std::string::npos)
      << out.State;
  EXPECT_NE(out.State.find("\"closed\": false"), std::string::npos);
  const auto shot = testing_support::LoadPng((dir.Path() / "shot.png").string());
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->Width(), 632);
  EXPECT_EQ(shot->Height(), 453);
  EXPECT_EQ(shot->Pixel(220, 100), platform::Pixel(0x00D4D0C8));  // button face between the panes
}

TEST(HeadlessRun, WalkingToTheKingOpensTheTalk) {
  ScratchDir dir;
  ASSERT_GE(RealTerrain(50, 27) & 0x7F, 48);
  const auto keys = WalkKeys({50, 50}, {50, 28});
  ASSERT_FALSE(keys.empty()) << "the king's door cell cannot be reached";
  const Outputs out = RunScript(dir, KeyScript(keys) + "key Up\n");
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  EXPECT_NE(out.State.find("\"x\": 50, \"y\": 28, \"facing\": 1"), std::string::npos) << out.State;
  EXPECT_NE(out.State.find("\"talking\": true"), std::string::npos);
  EXPECT_EQ(out.Log.substr(out.Log.size() - 16), "talk to someone\n");
}

TEST(HeadlessRun, EscapeClosesTheWindowAndLaterEventsAreNotRun) {
  ScratchDir dir;
  const Outputs out = RunScript(dir, "key Escape\nkey Left\nkey Left\n");
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  EXPECT_NE(out.State.find("\"closed\": true"), std::string::npos);
  EXPECT_NE(out.State.find("\"x\": 50, \"y\": 50"), std::string::npos);
}

TEST(HeadlessRun, ABrokenDataFileStopsTheStartNamingTheFile) {
  ScratchDir dir;
  for (const char* name :
       {"TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT", "ascii.fnt", "H01.fnt"}) {
    if (std::filesystem::exists(SourcePath(std::string("data/") + name))) dir.CopyData(name);
  }
  dir.Write("VESK.M", std::string(10095, '\x1b'));
  const Outputs out = RunScript(dir, "", dir.Path().string());
  EXPECT_NE(out.Run.Status, 0);
  EXPECT_NE(out.Run.Errors.find("VESK.M: Read beyond end of file"), std::string::npos)
      << out.Run.Errors;
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "shot.png"));
}

TEST(HeadlessRun, MissingDataFilesDoNotStopTheGame) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path() / "empty");
  const Outputs out = RunScript(dir, "key Up\nkey Up\n", (dir.Path() / "empty").string());
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  // Without a map every cell reads 0: a special event wherever the hero goes.
  EXPECT_EQ(out.Log, "이벤트 로그\n\n\nspecial event\nspecial event\n");
  // A mistyped --data gets one line naming the folder.
  const std::string folder = (dir.Path() / "empty").string();
  EXPECT_EQ(out.Run.Errors.find("vesk: data folder " + folder + " holds none"), 0u)
      << out.Run.Errors;
  EXPECT_EQ(std::count(out.Run.Errors.begin(), out.Run.Errors.end(), '\n'), 1);
  // With one file of the seven, each missing one is named instead.
  ScratchDir other;
  std::filesystem::create_directory(other.Path() / "fonts");
  std::filesystem::copy_file(SourcePath("data/ascii.fnt"), other.Path() / "fonts" / "ascii.fnt");
  const Outputs quiet = RunScript(other, "", (other.Path() / "fonts").string());
  EXPECT_EQ(quiet.Run.Errors.find("holds none"), std::string::npos) << quiet.Run.Errors;
}

TEST(HeadlessRun, BadCommandLinesAndScriptsAreRefused) {
  ScratchDir dir;
  EXPECT_EQ(RunGame({"--frobnicate"}).Status, 2);
  EXPECT_EQ(RunGame({"--scale", "zero"}).Status, 2);
  EXPECT_EQ(RunGame({"--help"}).Status, 0);
  EXPECT_EQ(RunGame({"--version"}).Status, 0);
  const Outputs out = RunScript(dir, "key Up\nkey Sideways\n");
  EXPECT_EQ(out.Run.Status, 2);
  EXPECT_NE(out.Run.Errors.find(":2: unknown key"), std::string::npos) << out.Run.Errors;
}

namespace {
// Pixels of a band of the event log that are not the window's background.
int InkInLogBand(const platform::Bitmap& shot, int top, int height) {
  int ink = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < 217; ++x) ink += shot.Pixel(x, y) != platform::Pixel(0x00D4D0C8);
  return ink;
}
}  // namespace

TEST(HeadlessRun, TheEventLogIsDrawnWithOrWithoutADesktopFont) {
  ScratchDir dir;
  // Without the map every step is a special event, so the fourth line has text.
  std::filesystem::create_directory(dir.Path() / "empty");
  for (const char* name : {"ascii.fnt", "H01.fnt"}) {
    std::filesystem::copy_file(SourcePath(std::string("data/") + name),
                               dir.Path() / "empty" / name);
  }
  const std::string data = (dir.Path() / "empty").string();
  Outputs out = RunScript(dir, "key Up\n", data);
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  auto shot = testing_support::LoadPng((dir.Path() / "shot.png").string());
  ASSERT_TRUE(shot);
  EXPECT_GT(InkInLogBand(*shot, 272, 13), 20);       // 이벤트 로그
  EXPECT_EQ(InkInLogBand(*shot, 285, 26), 0);        // two empty lines
  EXPECT_GT(InkInLogBand(*shot, 272 + 39, 13), 20);  // special event

  dir.Write("nofonts.conf", "<?xml version=\"1.0\"?><fontconfig></fontconfig>");
  ::setenv("FONTCONFIG_FILE", (dir.Path() / "nofonts.conf").c_str(), 1);
  out = RunScript(dir, "key Up\n", data);
  ::unsetenv("FONTCONFIG_FILE");
  ASSERT_EQ(out.Run.Status, 0) << out.Run.Errors;
  shot = testing_support::LoadPng((dir.Path() / "shot.png").string());
  ASSERT_TRUE(shot);
  EXPECT_GT(InkInLogBand(*shot, 272, 16), 20);
  EXPECT_EQ(InkInLogBand(*shot, 288, 32), 0);
  EXPECT_GT(InkInLogBand(*shot, 272 + 48, 16), 20);  // the game's own 16-pixel fonts
}
