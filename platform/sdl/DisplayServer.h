// DisplayServer: what the window system under SDL needs from the game before SDL's video starts.
// On X11 that is an error handler (sdl/x11/); a build for a system without X11 needs nothing.
#pragma once

namespace platform {

void PrepareDisplayServer();

}  // namespace platform
