// Paths: the folders the operating system assigns to a program and its user, one implementation a
// kind of system (xdg/, windows/), and paths as the game's UTF-8 text.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The folder that holds the running program, or an empty path when the system does not say.
std::filesystem::path ProgramFolder();
// Where a packaged game's data files lie, found from the program's place: share/vesk beside the
// program's bin/ folder (XDG), the program's own folder (Windows).
std::filesystem::path PackagedDataFolder();
// The folder for the user's own settings: $XDG_CONFIG_HOME, else ~/.config (XDG), each only
// from an absolute path; %APPDATA% (Windows). An empty path when none is known.
std::filesystem::path UserConfigFolder();
// The user's pictures folder: $XDG_PICTURES_DIR, else the one named in the desktop's
// user-dirs.dirs (in the settings folder), else ~/Pictures (XDG); the Pictures known folder
// (Windows). An empty path when none is known.
std::filesystem::path PicturesFolder();

// The game keeps every path it is given or shows as UTF-8 text. std::filesystem's own narrow
// strings are not UTF-8 everywhere (MinGW's C++ library on Windows takes them byte by byte), so
// paths turn into text and back through these.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace platform
