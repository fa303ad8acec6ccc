#include "platform/image/Screenshot.h"

#include <ctime>
#include <system_error>

#include "platform/image/Png.h"
#include "platform/system/WholeFile.h"

namespace platform {
namespace {

// Names tried for pictures taken in the same second before giving up.
constexpr int kMostPicturesASecond = 1000;

}  // namespace

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
  const auto encoded = EncodePng(picture);
  if (!encoded) {
    error = "no picture to save";
    return {};
  }
  // The name is taken by creating the file, so a link planted under it is never followed and two
  // games saving in the same second each get a picture of their own.
  for (int n = 1; n <= kMostPicturesASecond; ++n) {
    const std::string suffix = n == 1 ? "" : "-" + std::to_string(n);
    const std::filesystem::path path = folder / (std::string(stem) + suffix + ".png");
    switch (WriteNewFile(path, *encoded, error)) {
      case NewFile::Written:
        return path;
      case NewFile::Failed:
        return {};
      case NewFile::NameTaken:
        break;
    }
  }
  error = "cannot write a picture in " + folder.string() + ": every name for this second is taken";
  return {};
}

}  // namespace platform
