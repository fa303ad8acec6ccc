#include "TestSupport.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "platform/image/Png.h"

namespace testing_support {

ScratchDir::ScratchDir() : previous_(std::filesystem::current_path()) {
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() / ("vesk-test-" + std::to_string(seed()));
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void ScratchDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + (path_ / name).string());
}

void ScratchDir::CopyData(const std::string& name) const {
  std::filesystem::copy_file(SourcePath("data/" + name), path_ / name,
                             std::filesystem::copy_options::overwrite_existing);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

// The game speaks the sources' English to the tests whatever the locale of whoever runs them; the
// tests of its Korean set their own.
const bool kEnglishMessages = setenv("LC_MESSAGES", "C", 1) == 0;

}  // namespace

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::optional<std::string>& value)
    : name_(name) {
  if (const char* old = std::getenv(name)) before_ = old;
  if (value) {
    setenv(name, value->c_str(), 1);
  } else {
    unsetenv(name);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (before_) {
    setenv(name_, before_->c_str(), 1);
  } else {
    unsetenv(name_);
  }
}

GameRun RunGame(const std::vector<std::string>& arguments,
                const std::vector<std::string>& launcher) {
  const auto captured = std::filesystem::temp_directory_path() /
                        ("vesk-run-" + std::to_string(std::random_device()()));
  const auto output = captured.string() + ".out", errors = captured.string() + ".err";
  std::string command;
  for (const std::string& word : launcher) command += ShellQuoted(word) + " ";
  command += ShellQuoted(VESK_BINARY);
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  command += " 2>" + ShellQuoted(errors) + " >" + ShellQuoted(output);
  GameRun run;
  const int status = std::system(command.c_str());
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::error_code ignored;
  if (std::filesystem::exists(output, ignored)) run.Output = ReadFile(output);
  if (std::filesystem::exists(errors, ignored)) run.Errors = ReadFile(errors);
  std::filesystem::remove(output, ignored);
  std::filesystem::remove(errors, ignored);
  return run;
}

std::filesystem::path SourcePath(const std::string& relative) {
  return std::filesystem::path(VESK_SOURCE_DIR) / relative;
}

platform::Bitmap HeadlessScreenshot(const ScratchDir& dir, const std::string& script) {
  dir.Write("script.txt", script);
  const GameRun run =
      RunGame({"--headless", "--script", "script.txt", "--data", SourcePath("data").string(),
               "--screenshot", (dir.Path() / "shot.png").string()});
  EXPECT_EQ(run.Status, 0) << run.Errors;
  auto shot = LoadPng((dir.Path() / "shot.png").string());
  EXPECT_TRUE(shot);
  return shot ? *shot : platform::Bitmap(632, 453);
}

std::optional<platform::Bitmap> LoadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_BGRA;
  std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
  const bool read =
      !pixels.empty() && png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
  png_image_free(&image);
  if (!read) return std::nullopt;
  platform::Bitmap bitmap(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height));
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      bitmap.Row(y)[x] = pixels[static_cast<size_t>(y) * bitmap.Width() + x] & 0x00FFFFFF;
  }
  return bitmap;
}

}  // namespace testing_support
