#include "start/DataFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/DataFiles.h"
#include "platform/system/DataFile.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"

namespace fs = std::filesystem;

namespace {

bool HoldsMap(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder / kWorldMapFile, ignored);
}

// One line for each data file of the working directory the game will start without, naming it
// and why; a folder where all of them are missing (a mistyped --data) gets one line. Without them
// the game starts with a white map and "special event" on every step, so it says why.
std::vector<std::string> UnusableDataFiles(const std::string& folder) {
  std::vector<std::string> lines;
  bool noneThere = true;
  for (const char* name : kDataFiles) {
    const std::string why = platform::DataFile::WhyAbsent(name);
    if (why != platform::DataFile::kMissing) noneThere = false;
    if (!why.empty()) {
      lines.push_back(platform::Format(_("data folder %s: %s is %s; starting without it"),
                                       folder.c_str(), name, _(why.c_str())));
    }
  }
  if (!noneThere) return lines;
  std::string names;
  for (const char* name : kDataFiles) names += std::string(names.empty() ? "" : ", ") + name;
  return {platform::Format(
      _("data folder %s holds none of the game's data files (%s); starting without them"),
      folder.c_str(), names.c_str())};
}

}  // namespace

platform::Result<std::vector<std::string>> EnterDataFolder(const std::string& requested) {
  std::error_code failed;
  if (!requested.empty()) {
    fs::current_path(platform::PathFromUtf8(requested), failed);
    if (failed) {
      return platform::Problem{platform::Format(_("cannot use data folder %s: %s"),
                                                requested.c_str(), failed.message().c_str())};
    }
    return UnusableDataFiles(requested);
  }
  if (HoldsMap(fs::current_path(failed))) {
    return UnusableDataFiles(platform::Utf8FromPath(fs::current_path(failed)));
  }
  // An installed game finds its data beside its program, or where it was installed to (a build
  // for a system with install folders); a build tree uses the sources' data/.
  std::vector<fs::path> candidates = {platform::PackagedDataFolder()};
#ifdef VESK_INSTALL_DATA_DIR
  candidates.push_back(VESK_INSTALL_DATA_DIR);
#endif
#ifdef VESK_FALLBACK_DATA_DIR
  candidates.push_back(VESK_FALLBACK_DATA_DIR);
#endif
  for (const fs::path& folder : candidates) {
    if (!HoldsMap(folder)) continue;
    fs::current_path(folder, failed);
    if (failed) continue;
    // The game's own data, which a package installs read-only, is read where it lies: the game
    // never writes a data file, and a copy of it would be one more thing to go stale or break.
    platform::DataFile::ReadInPlace();
    return UnusableDataFiles(platform::Utf8FromPath(fs::current_path(failed)));
  }
  return std::vector<std::string>{
      platform::Format(_("no folder with the game's data found; starting without it in %s"),
                       platform::Utf8FromPath(fs::current_path(failed)).c_str())};
}
