// The desktop's translations: GNU gettext (glibc's, or libintl where the C library has none).
#include <libintl.h>

#include <clocale>
#include <filesystem>
#include <system_error>

#include "platform/system/Messages.h"
#include "platform/system/Paths.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

// Whether `folder` is a locale folder with a catalogue of the game's:
// <language>/LC_MESSAGES/vesk.mo.
bool HoldsCatalogues(const fs::path& folder) {
  const std::string catalogue = std::string(kTextDomain) + ".mo";
  std::error_code failed, absent;
  for (fs::directory_iterator entry(folder, failed), end; !failed && entry != end;
       entry.increment(failed)) {
    // Most languages of a system's share/locale have no catalogue of the game's.
    if (fs::is_regular_file(entry->path() / "LC_MESSAGES" / catalogue, absent)) return true;
  }
  return false;
}

}  // namespace

void UsePlayersLanguage() {
  // The messages follow the locale, and so does the character set, in which the C library's own
  // messages (the reason a file cannot be opened) come; numbers and the rest stay C's.
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
  const fs::path program = ProgramFolder();
  for (const fs::path& folder : {program / "locale", program / ".." / "share" / "locale",
                                 fs::path(VESK_INSTALL_LOCALE_DIR)}) {
    // A system that cannot say where the program is gives an empty folder: the catalogues are
    // never looked for in the working directory, where anyone may have put one.
    if (!folder.is_absolute() || !HoldsCatalogues(folder)) continue;
    bindtextdomain(kTextDomain, folder.string().c_str());
    break;
  }
  // Messages go to stderr and to the window system's error box, which both take UTF-8.
  bind_textdomain_codeset(kTextDomain, "UTF-8");
}

const char* Translate(const char* message) {
  const char* translation = dgettext(kTextDomain, message);
  // A catalogue is a file like any other: a translation that asks printf for other arguments
  // than its message gives would read what was never passed.
  return SameConversions(message, translation) ? translation : message;
}

}  // namespace platform
