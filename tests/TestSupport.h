// Test support: a scratch working directory for each test that needs data files, and small file
// helpers. The scratch directory becomes the working directory while it lives, because the game
// opens its data files by name relative to it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/system/Result.h"

namespace testing_support {

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to a file of the scratch directory.
  void Write(const std::string& name, const std::string& bytes) const;
  // Copies a file of the project's data/ folder in.
  void CopyData(const std::string& name) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

std::string ReadFile(const std::filesystem::path& path);
// A PNG picture's colours (any transparency dropped), or nothing when it cannot be read: the
// tests' own reading of what the game and its tools write.
std::optional<platform::Bitmap> LoadPng(const std::string& path);

// What went wrong, for a failed check's message; empty for a result that did not fail.
template <typename T>
std::string Why(const platform::Result<T>& result) {
  return result ? "" : result.Error().Message;
}
// A result as a check: it passes when the result did not fail, else fails with its problem.
template <typename T>
::testing::AssertionResult Succeeded(const platform::Result<T>& result) {
  if (result) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << result.Error().Message;
}

// Sets an environment variable to `value`, or unsets it for no value, for as long as this lives;
// then puts back what it was.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::optional<std::string>& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

// `word` as one word of a shell command line.
std::string ShellQuoted(const std::string& word);

// The game program run to its end: exit status and what it printed on stdout and stderr.
struct GameRun {
  int Status = -1;
  std::string Output;
  std::string Errors;
};
// Runs the game with `arguments` (each passed as one word) in the current directory, through
// `launcher` when one is given (a command that runs the words after it, such as `env -u HOME`).
GameRun RunGame(const std::vector<std::string>& arguments,
                const std::vector<std::string>& launcher = {});
std::filesystem::path SourcePath(const std::string& relative);  // below the project root
// Plays `script` headless on the shipped data in `dir` and returns the client area it ends with
// (an empty 632 x 453 picture, and a failed test, when the run or its screenshot fails).
platform::Bitmap HeadlessScreenshot(const ScratchDir& dir, const std::string& script);

}  // namespace testing_support
