#include "platform/sdl/x11/XErrors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <mutex>

#include "platform/sdl/DisplayServer.h"

namespace platform {

namespace {

XErrorHandler before = nullptr;

int PassOverOrPassOn(Display* display, XErrorEvent* error) {
  if (error->request_code == X_SendEvent && error->error_code == BadWindow) return 0;
  return before ? before(display, error) : 0;
}

}  // namespace

void PassOverMessagesToClosedWindows() {
  static std::once_flag installed;
  std::call_once(installed, [] { before = XSetErrorHandler(PassOverOrPassOn); });
}

void PrepareDisplayServer() { PassOverMessagesToClosedWindows(); }

}  // namespace platform
