#include "platform/Screenshot.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <system_error>

#include "platform/Png.h"

namespace platform {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value == '/' ? std::filesystem::path(value) : std::filesystem::path();
}

// The XDG_PICTURES_DIR line of user-dirs.dirs: XDG_PICTURES_DIR="$HOME/Pictures".
std::filesystem::path FromUserDirs(const std::filesystem::path& home) {
  std::filesystem::path config = FromEnvironment("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home / ".config";
  std::ifstream in(config / "user-dirs.dirs");
  const std::string key = "XDG_PICTURES_DIR=\"";
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME", 0) == 0) {
      if (home.empty()) return {};
      value = home.string() + value.substr(5);
    }
    if (!value.empty() && value.front() == '/') return value;
  }
  return {};
}

}  // namespace

std::filesystem::path PicturesFolder() {
  if (auto folder = FromEnvironment("XDG_PICTURES_DIR"); !folder.empty()) return folder;
  const std::filesystem::path home = FromEnvironment("HOME");
  if (auto folder = FromUserDirs(home); !folder.empty()) return folder;
  return home.empty() ? std::filesystem::path() : home / "Pictures";
}

std::filesystem::path SaveScreenshot(const Bitmap& picture, const std::filesystem::path& folder,
                                     std::string& error) {
  if (folder.empty()) {
    error = "no pictures folder is known (set XDG_PICTURES_DIR or HOME)";
    return {};
  }
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  if (failed) {
    error = "cannot make " + folder.string() + ": " + failed.message();
    return {};
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stem[32];
  std::strftime(stem, sizeof stem, "vesk-%Y-%m-%d-%H%M%S", &local);
  std::filesystem::path path = folder / (std::string(stem) + ".png");
  for (int n = 2; std::filesystem::exists(path, failed); ++n) {
    path = folder / (std::string(stem) + "-" + std::to_string(n) + ".png");
  }
  if (!SavePng(picture, path.string())) {
    error = "cannot write " + path.string();
    return {};
  }
  return path;
}

}  // namespace platform
