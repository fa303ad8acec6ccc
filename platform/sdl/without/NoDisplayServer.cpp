// For a build without X11: SDL's own window system needs nothing before its video starts.
#include "platform/sdl/DisplayServer.h"

namespace platform {

void PrepareDisplayServer() {}

}  // namespace platform
