#include "platform/image/Screenshot.h"

#include <ctime>
#include <system_error>

#include "platform/image/Png.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/ProgramName.h"
#include "platform/system/WholeFile.h"

namespace platform {
namespace {

// Names tried for pictures taken in the same second before giving up.
constexpr int kMostPicturesASecond = 1000;

}  // namespace

Result<std::filesystem::path> SaveScreenshot(const Bitmap& picture,
                                             const std::filesystem::path& folder) {
  if (folder.empty())
    return Problem{_("no pictures folder is known (set XDG_PICTURES_DIR or HOME)")};
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  if (failed) {
    return Problem{
        Format(_("cannot make %s: %s"), Utf8FromPath(folder).c_str(), failed.message().c_str())};
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stem[32];
  const std::string pattern = std::string(kProgramName) + "-%Y-%m-%d-%H%M%S";
  std::strftime(stem, sizeof stem, pattern.c_str(), &local);
  const auto encoded = EncodePng(picture);
  if (!encoded) return Problem{_("no picture to save")};
  // The name is taken by creating the file, so a link planted under it is never followed and two
  // games saving in the same second each get a picture of their own.
  for (int n = 1; n <= kMostPicturesASecond; ++n) {
    std::string name = stem;
    if (n > 1) name += '-' + std::to_string(n);
    const std::filesystem::path path = folder / (name + ".png");
    const Result<NewFile> written = WriteNewFile(path, *encoded);
    if (!written) return written.Error();
    if (*written == NewFile::Written) return path;
  }
  return Problem{Format(_("cannot write a picture in %s: every name for this second is taken"),
                        Utf8FromPath(folder).c_str())};
}

}  // namespace platform
