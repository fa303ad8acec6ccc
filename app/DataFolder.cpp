#include "app/DataFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/DataFiles.h"
#include "platform/system/DataFile.h"
#include "platform/system/Paths.h"

namespace fs = std::filesystem;

namespace {

bool HoldsMap(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder / kWorldMapFile, ignored);
}

// The game opens its data files for reading and writing, so files a package installed read-only
// would all count as absent. Such a folder is mirrored into the player's own data folder
// ($XDG_DATA_HOME/vesk, else ~/.local/share/vesk), refreshing copies the package has updated;
// a player's edited copy that is newer stays.
bool UsableInPlace(const fs::path& folder) {
  return platform::DataFile::Open((folder / kWorldMapFile).string()).has_value();
}

fs::path PlayerDataFolder() {
  const fs::path shared = platform::UserDataFolder();
  return shared.empty() ? fs::path() : shared / "vesk";
}

bool Mirror(const fs::path& from, const fs::path& to, std::string& problem) {
  std::error_code failed;
  fs::create_directories(to, failed);
  for (const char* name : kDataFiles) {
    if (failed) break;
    if (!fs::is_regular_file(from / name)) continue;
    fs::copy_file(from / name, to / name, fs::copy_options::update_existing, failed);
    if (!failed) {
      fs::permissions(to / name, fs::perms::owner_read | fs::perms::owner_write,
                      fs::perm_options::add, failed);
    }
  }
  if (failed) problem = "cannot copy the game's data to " + to.string() + ": " + failed.message();
  return !failed;
}

// One line for each data file of the working directory the game will start without, naming it
// and why; a folder where all of them are missing (a mistyped --data) gets one line. Without them
// the game starts with a white map and "special event" on every step, so it says why.
std::vector<std::string> UnusableDataFiles(const std::string& folder) {
  std::vector<std::string> lines;
  bool noneThere = true;
  for (const char* name : kDataFiles) {
    const std::string why = platform::DataFile::WhyAbsent(name);
    if (why != "missing") noneThere = false;
    if (!why.empty()) {
      lines.push_back("data folder " + folder + ": " + name + " is " + why +
                      "; starting without it");
    }
  }
  if (!noneThere) return lines;
  std::string names;
  for (const char* name : kDataFiles) names += std::string(names.empty() ? "" : ", ") + name;
  return {"data folder " + folder + " holds none of the game's data files (" + names +
          "); starting without them"};
}

}  // namespace

bool EnterDataFolder(const std::string& requested, std::string& error,
                     std::vector<std::string>& notices) {
  std::error_code failed;
  if (!requested.empty()) {
    fs::current_path(requested, failed);
    if (failed) {
      error = "cannot use data folder " + requested + ": " + failed.message();
      return false;
    }
    notices = UnusableDataFiles(requested);
    return true;
  }
  if (HoldsMap(fs::current_path(failed))) {
    notices = UnusableDataFiles(fs::current_path(failed).string());
    return true;
  }
  // An installed game finds its data beside its program; a build tree uses the sources' data/.
  std::vector<fs::path> candidates = {platform::ProgramFolder() / ".." / "share" / "vesk",
                                      VESK_INSTALL_DATA_DIR};
#ifdef VESK_FALLBACK_DATA_DIR
  candidates.push_back(VESK_FALLBACK_DATA_DIR);
#endif
  for (const fs::path& folder : candidates) {
    if (!HoldsMap(folder)) continue;
    fs::path use = folder;
    const fs::path mirror = PlayerDataFolder();
    std::string problem;
    if (!UsableInPlace(folder) && !mirror.empty() && Mirror(folder, mirror, problem)) use = mirror;
    if (!problem.empty()) notices.push_back(problem);
    fs::current_path(use, failed);
    if (failed) continue;
    const auto unusable = UnusableDataFiles(use.string());
    notices.insert(notices.end(), unusable.begin(), unusable.end());
    return true;
  }
  notices.push_back("no folder with the game's data found; starting without it in " +
                    fs::current_path(failed).string());
  return true;
}
