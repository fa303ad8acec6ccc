// Messages: the program's own messages (usage, stderr, the error box, notices) in the player's
// language. Write a message as _("text") and fill it in with Format:
//   std::cerr << Format(_("cannot write %s"), path.c_str());
// A message kept in a table is marked N_("text") there and translated where it is used.
// The game's own texts, which it draws in its picture, are never translated. The catalogues are
// made from po/ at build time (po/CMakeLists.txt).
#pragma once

#include <string>
#include <string_view>

#include "platform/system/ProgramName.h"

// The printf that Format's patterns are checked against: MinGW's C++ library uses its own C99
// printf, not the system's.
#ifdef __MINGW32__
#define VESK_PRINTF gnu_printf
#else
#define VESK_PRINTF printf
#endif

namespace platform {

// The text domain of the game's catalogues (vesk.mo).
inline constexpr const char* kTextDomain = kProgramName;

// Takes the player's language from the system (the locale and LANGUAGE on Linux) and finds the
// game's catalogues: beside the program (a build tree, a Windows folder), in the installed
// share/locale beside the program's folder, else in the install prefix's.
void UsePlayersLanguage();
// `message` in the player's language, or `message` itself where no catalogue translates it.
const char* Translate(const char* message) __attribute__((format_arg(1)));
// Whether `translation` asks printf for the same arguments as `message`, in the same order.
bool SameConversions(const char* message, const char* translation);
// printf's patterns, %s, %d and %zu; a translation keeps its message's order, as every C library's
// printf can follow that.
std::string Format(const char* pattern, ...) __attribute__((format(VESK_PRINTF, 1, 2)));
// Writes one of the program's messages on its error stream as a line after the program's name
// ("vesk: cannot write a.png: ..."), the way command-line programs name themselves.
void WriteMessage(std::string_view message);

}  // namespace platform

#define _(message) ::platform::Translate(message)
#define N_(message) message
