// The results a run writes (--log, --state, --screenshot): into a place that takes nothing the
// run fails naming the file, rather than reporting success over an empty or missing file; under
// a name near the file system's length limit they are written as whole as under a short one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

TEST(FailedWrites, ResultsNamedNearTheLengthLimitAreWrittenWhole) {
  // A name may have 255 bytes; the file written before it is renamed must fit beside it.
  ScratchDir dir;
  dir.Write("script.txt", "key Left\nkey Up x3\n");
  const std::vector<std::string> options = {"--log", "--state", "--screenshot"};
  std::vector<std::string> shortNames, longNames;
  for (const std::string extension : {".txt", ".json", ".png"}) {
    shortNames.push_back("short" + extension);
    longNames.push_back(std::string(250 - extension.size(), 'r') + extension);
  }
  for (const auto* names : {&shortNames, &longNames}) {
    std::vector<std::string> arguments = {"--headless", "--script", "script.txt", "--data",
                                          SourcePath("data").string()};
    for (size_t i = 0; i < options.size(); ++i) {
      arguments.insert(arguments.end(), {options[i], (*names)[i]});
    }
    const GameRun run = RunGame(arguments);
    EXPECT_EQ(run.Status, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
  }
  for (size_t i = 0; i < options.size(); ++i) {
    ASSERT_EQ(longNames[i].size(), 250u);
    EXPECT_FALSE(ReadFile(dir.Path() / shortNames[i]).empty()) << options[i];
    EXPECT_EQ(ReadFile(dir.Path() / longNames[i]), ReadFile(dir.Path() / shortNames[i]))
        << options[i];
  }
  // Nothing is left beside them.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::vector<std::string> expected = {"script.txt"};
  expected.insert(expected.end(), shortNames.begin(), shortNames.end());
  expected.insert(expected.end(), longNames.begin(), longNames.end());
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}
