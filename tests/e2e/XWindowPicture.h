// XWindowPicture: the pixels of a window as the X server shows them, for tests that look at the
// game's real window. Kept apart because Xlib's macros clash with ordinary C++ names.
#pragma once

#include <string>

#include "platform/Bitmap.h"

namespace testing_support {

// The picture of `window` on X display `display` (":N"); empty when it cannot be read.
platform::Bitmap XWindowPicture(const std::string& display, unsigned long window);

}  // namespace testing_support
