#include "platform/image/Screenshot.h"

#include <ctime>
#include <system_error>

#include "platform/image/Png.h"
#include "platform/system/Paths.h"

namespace platform {

std::filesystem::path SaveScreenshot(const Bitmap& picture, const std::filesystem::path& folder,
                                     std::string& error) {
  if (folder.empty()) {
    error = "no pictures folder is known (set XDG_PICTURES_DIR or HOME)";
    return {};
  }
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  if (failed) {
    error = "cannot make " + Utf8FromPath(folder) + ": " + failed.message();
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
  if (!SavePng(picture, Utf8FromPath(path))) {
    error = "cannot write " + Utf8FromPath(path);
    return {};
  }
  return path;
}

}  // namespace platform
