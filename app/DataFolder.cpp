#include "app/DataFolder.h"

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
  if (failed) {
    problem = platform::Format(_("cannot copy the game's data to %s: %s"), to.string().c_str(),
                               failed.message().c_str());
  }
  return !failed;
}

// Whether the game can open any of its files in the working directory; a mistyped --data folder
// otherwise starts a game with a white map and "special event" on every step, with no word why.
bool HoldsAnyDataFile() {
  for (const char* name : kDataFiles) {
    if (platform::DataFile::Open(name)) return true;
  }
  return false;
}

}  // namespace

bool EnterDataFolder(const std::string& requested, std::string& error, std::string& notice) {
  std::error_code failed;
  if (!requested.empty()) {
    fs::current_path(requested, failed);
    if (failed) {
      error = platform::Format(_("cannot use data folder %s: %s"), requested.c_str(),
                               failed.message().c_str());
      return false;
    }
    if (!HoldsAnyDataFile()) {
      std::string names;
      for (const char* name : kDataFiles) names += std::string(names.empty() ? "" : ", ") + name;
      notice = platform::Format(
          _("data folder %s holds none of the game's data files (%s); starting without them"),
          requested.c_str(), names.c_str());
    }
    return true;
  }
  if (HoldsMap(fs::current_path(failed))) return true;
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
    if (!UsableInPlace(folder) && !mirror.empty() && Mirror(folder, mirror, notice)) use = mirror;
    fs::current_path(use, failed);
    if (!failed) return true;
  }
  notice = platform::Format(_("no folder with the game's data found; starting without it in %s"),
                            fs::current_path(failed).string().c_str());
  return true;
}
