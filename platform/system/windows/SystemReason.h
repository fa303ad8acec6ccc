// SystemReason: why a Windows call failed, in the system's own words (the user's language), as
// the game's UTF-8 text, for messages that name a file and the reason.
#pragma once

#include <string>

namespace platform {

// The system's text for an error code from GetLastError, without its closing full stop.
std::string SystemReason(unsigned long code);

}  // namespace platform
