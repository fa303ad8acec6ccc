// XErrors: an X protocol error that SDL's own X11 code can cause as the window closes must not end
// the game. SDL wakes its event wait by sending a message to the game's window over a second
// connection to the X server; when the window closes right behind such a message, the server may
// find the window already gone and answer BadWindow, and Xlib's default handler turns that into
// exit(1) while SDL shuts down. A message to a window that is gone has nobody left to read it, so
// that error is passed over; every other error goes on to the handler that was there before.
#pragma once

namespace platform {

// Installs the handler, once. Called before SDL's video starts, so SDL keeps it as the handler it
// passes errors on to and puts it back when it stops.
void PassOverMessagesToClosedWindows();

}  // namespace platform
