// Scripts given to --headless --script that are not scripts, or are made to exhaust the machine:
// each is refused at once with a message naming the file, and the line where it can.
#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace testing_support;

namespace {

GameRun RunScriptFile(const std::string& script) {
  return RunGame({"--headless", "--script", script, "--data", SourcePath("data").string()});
}

TEST(HostileScripts, AFolderOrAMissingFileIsACleanRefusalWithTheReason) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path() / "folder");
  GameRun run = RunScriptFile((dir.Path() / "folder").string());
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Errors,
            "vesk: cannot read script " + (dir.Path() / "folder").string() + ": Is a directory\n");
  run = RunScriptFile((dir.Path() / "none.txt").string());
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Errors.find(": No such file or directory\n"), std::string::npos) << run.Errors;
}

TEST(HostileScripts, HugeRepeatsAreRefusedNamingTheLine) {
  ScratchDir dir;
  std::string script;
  for (int i = 0; i < 8; ++i) script += "tick 100000\n";
  dir.Write("ticks.txt", script);
  const GameRun run = RunScriptFile((dir.Path() / "ticks.txt").string());
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Errors, "vesk: " + (dir.Path() / "ticks.txt").string() +
                            ":2: the script comes to more than 100000 events\n");
}

TEST(HostileScripts, AScriptSavedWithAByteOrderMarkRuns) {
  ScratchDir dir;
  dir.Write("marked.txt", "\xEF\xBB\xBFkey Left\nkey Escape\n");
  const GameRun run = RunScriptFile((dir.Path() / "marked.txt").string());
  EXPECT_EQ(run.Status, 0) << run.Errors;
  EXPECT_EQ(run.Errors, "");
}

}  // namespace
