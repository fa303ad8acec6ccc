// The command line over the saved settings: what it names wins, what it leaves out is kept.
#include <gtest/gtest.h>

#include <vector>

#include "start/Options.h"

namespace {

std::optional<Options> Parse(std::vector<const char*> words, std::string& error) {
  words.insert(words.begin(), "vesk");
  auto options = ParseOptions(static_cast<int>(words.size()), const_cast<char**>(words.data()));
  if (!options) {
    error = options.Error().Message;
    return std::nullopt;
  }
  return *options;
}

TEST(Options, TheCommandLineWinsOverSavedSettingsAndLeavesTheRest) {
  platform::Settings saved;
  saved.Scale = 3;
  saved.Fullscreen = true;
  saved.HangulMode = false;
  saved.InputMethod = "system";
  std::string error;
  const auto options = Parse({"--windowed", "--ime", "builtin", "--walk-rate", "0"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->WalkRate, 0);
  const platform::Settings run = WithCommandLine(*options, saved);
  EXPECT_EQ(run.Scale, 3);
  EXPECT_EQ(run.Fullscreen, false);
  EXPECT_EQ(run.HangulMode, false);
  EXPECT_EQ(run.InputMethod, "builtin");
  const auto none = Parse({}, error);
  ASSERT_TRUE(none);
  EXPECT_EQ(WithCommandLine(*none, saved), saved);
  EXPECT_EQ(none->WalkRate, 8);
  // A scale on the command line replaces a dragged window size.
  saved.Window = platform::WindowSize{900, 700};
  const auto scaled = Parse({"--scale", "2"}, error);
  ASSERT_TRUE(scaled);
  EXPECT_EQ(WithCommandLine(*scaled, saved).Scale, 2);
  EXPECT_FALSE(WithCommandLine(*scaled, saved).Window);
  EXPECT_EQ(WithCommandLine(*none, saved).Window, saved.Window);
  for (const char* rate : {"-1", "61", "fast", ""}) {
    EXPECT_FALSE(Parse({"--walk-rate", rate}, error)) << rate;
    EXPECT_EQ(error, "--walk-rate takes a whole number from 0 to 60");
  }
}

TEST(Options, AnEmptyNameOrAnOptionGivenTwiceIsRefusedNotDropped) {
  std::string error;
  // An empty result name would write nothing and end as if all were written.
  for (const char* option : {"--log", "--state", "--screenshot", "--script"}) {
    EXPECT_FALSE(Parse({option, ""}, error)) << option;
    EXPECT_EQ(error, std::string(option) + " takes a file name");
  }
  EXPECT_FALSE(Parse({"--data", ""}, error));
  EXPECT_EQ(error, "--data takes a folder name");
  // A second value would silently drop the first: a.json asked for and never written.
  EXPECT_FALSE(
      Parse({"--headless", "--script", "s.txt", "--state", "a.json", "--state", "b.json"}, error));
  EXPECT_EQ(error, "option --state is given twice");
  EXPECT_FALSE(Parse({"--scale", "2", "--scale", "3"}, error));
  EXPECT_EQ(error, "option --scale is given twice");
  EXPECT_FALSE(Parse({"--fullscreen", "--fullscreen"}, error));
  const auto both =
      Parse({"--headless", "--script", "s.txt", "--state", "a.json", "--log", "b.txt"}, error);
  ASSERT_TRUE(both) << error;
  EXPECT_EQ(both->State, "a.json");
  EXPECT_EQ(both->Log, "b.txt");
}

}  // namespace
