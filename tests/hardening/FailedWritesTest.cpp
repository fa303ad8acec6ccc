// The results a run writes (--log, --state, --screenshot) into a place that takes nothing: the
// run fails naming the file, rather than reporting success over an empty or missing file.
#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace testing_support;

TEST(FailedWrites, EachResultThatCannotBeWrittenFailsTheRunNamingTheFile) {
  ScratchDir dir;
  dir.Write("script.txt", "key Left\n");
  for (const char* option : {"--log", "--state", "--screenshot"}) {
    const GameRun run = RunGame({"--headless", "--script", "script.txt", "--data",
                                 SourcePath("data").string(), option, "/dev/full"});
    EXPECT_EQ(run.Status, 1) << option;
    EXPECT_EQ(run.Errors, "vesk: cannot write /dev/full: No space left on device\n") << option;
  }
}
