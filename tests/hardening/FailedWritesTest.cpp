// The results a run writes (--log, --state, --screenshot) into a place that takes nothing: the
// run fails naming the file, rather than reporting success over an empty or missing file.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"

using namespace testing_support;

TEST(FailedWrites, EachResultThatCannotBeWrittenFailsTheRunNamingTheFile) {
  // Never written when something else stands in its place, so a test cannot make it worse.
  ASSERT_TRUE(std::filesystem::is_character_file("/dev/full"))
      << "/dev/full is not the device on this machine";
  ScratchDir dir;
  dir.Write("script.txt", "key Left\n");
  for (const char* option : {"--log", "--state", "--screenshot"}) {
    const GameRun run = RunGame({"--headless", "--script", "script.txt", "--data",
                                 SourcePath("data").string(), option, "/dev/full"});
    EXPECT_EQ(run.Status, 1) << option;
    EXPECT_EQ(run.Errors, "vesk: cannot write /dev/full: No space left on device\n") << option;
  }
}
