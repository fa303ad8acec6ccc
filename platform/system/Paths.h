// Paths: the folders the operating system assigns to a program and its user.
#pragma once

#include <filesystem>

namespace platform {

// The folder that holds the running program, or an empty path when the system does not say.
std::filesystem::path ProgramFolder();
// The folder for the user's own application data ($XDG_DATA_HOME, else ~/.local/share), or an
// empty path when neither is set.
std::filesystem::path UserDataFolder();
// The folder for the user's own settings ($XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config), or an empty path when neither is known.
std::filesystem::path UserConfigFolder();
// The user's pictures folder: $XDG_PICTURES_DIR, else the one named in the desktop's
// user-dirs.dirs (in the settings folder), else ~/Pictures; empty when none is known.
std::filesystem::path PicturesFolder();

}  // namespace platform
