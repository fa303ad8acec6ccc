// ProgramName: the name the system knows the game by: the text domain of its catalogues, its
// folder among the system's and the user's folders, its settings file and its screenshots' stem.
#pragma once

#include <string>

namespace platform {

// The build names it after its project (VESK_PROGRAM_NAME).
inline constexpr char kProgramName[] = VESK_PROGRAM_NAME;

// The settings file's name in the user's folder, and the key the page keeps the same text under.
inline std::string SettingsFileName() { return std::string(kProgramName) + ".conf"; }

}  // namespace platform
