#include "app/DataFolder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool HoldsMap(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder / "VESK.M", ignored);
}

fs::path ProgramFolder() {
  std::error_code ignored;
  return fs::read_symlink("/proc/self/exe", ignored).parent_path();
}

}  // namespace

bool EnterDataFolder(const std::string& requested, std::string& error, std::string& notice) {
  std::error_code failed;
  if (!requested.empty()) {
    fs::current_path(requested, failed);
    if (failed) error = "cannot use data folder " + requested + ": " + failed.message();
    return !failed;
  }
  if (HoldsMap(fs::current_path(failed))) return true;
  // An installed game finds its data beside its program; a build tree uses the sources' data/.
  const std::vector<fs::path> candidates = {ProgramFolder() / ".." / "share" / "vesk",
                                            VESK_INSTALL_DATA_DIR, VESK_SOURCE_DATA_DIR};
  for (const fs::path& folder : candidates) {
    if (HoldsMap(folder)) {
      fs::current_path(folder, failed);
      if (!failed) return true;
    }
  }
  notice = "no folder with the game's data found; starting without it";
  return true;
}
