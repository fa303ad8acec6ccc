// The folders of a program and its user on systems that follow the XDG base directory rules, with
// the program's data installed under share/ beside its bin/ folder.
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/system/Paths.h"
#include "platform/system/ProgramName.h"

namespace platform {

std::filesystem::path ProgramFolder() {
  std::error_code ignored;
  return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
}

std::filesystem::path PackagedDataFolder() {
  return ProgramFolder() / ".." / "share" / kProgramName;
}

namespace {

// The folder a variable names, or an empty text: the XDG rules ignore a relative value, which
// would put the player's files wherever the game happens to be started.
std::string AbsoluteFolder(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value == '/' ? value : "";
}

}  // namespace

std::filesystem::path UserConfigFolder() {
  if (const std::string xdg = AbsoluteFolder("XDG_CONFIG_HOME"); !xdg.empty()) return xdg;
  if (const std::string home = AbsoluteFolder("HOME"); !home.empty()) {
    return std::filesystem::path(home) / ".config";
  }
  return {};
}

namespace {

// The XDG_PICTURES_DIR line of user-dirs.dirs: XDG_PICTURES_DIR="$HOME/Pictures".
std::filesystem::path PicturesFromUserDirs(const std::string& home) {
  std::ifstream in(UserConfigFolder() / "user-dirs.dirs");
  const std::string key = "XDG_PICTURES_DIR=\"";
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME", 0) == 0) {
      if (home.empty()) return {};
      value = home + value.substr(5);
    }
    if (!value.empty() && value.front() == '/') return value;
  }
  return {};
}

}  // namespace

std::filesystem::path PicturesFolder() {
  if (const std::string xdg = AbsoluteFolder("XDG_PICTURES_DIR"); !xdg.empty()) return xdg;
  const std::string homeFolder = AbsoluteFolder("HOME");
  if (auto folder = PicturesFromUserDirs(homeFolder); !folder.empty()) return folder;
  return homeFolder.empty() ? std::filesystem::path()
                            : std::filesystem::path(homeFolder) / "Pictures";
}

}  // namespace platform
