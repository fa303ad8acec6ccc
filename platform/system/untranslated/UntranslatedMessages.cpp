// For a C library without GNU gettext and no libintl to link (a Windows build whose libraries have
// no libintl yet): the messages stay in the English of the sources.
#include "platform/system/Messages.h"

namespace platform {

void UsePlayersLanguage() {}

const char* Translate(const char* message) { return message; }

}  // namespace platform
