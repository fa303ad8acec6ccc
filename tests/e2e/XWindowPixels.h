// Reading an X server directly, for the real-window test: whether it answers, and a window's
// pixels as the server holds them. Kept apart because Xlib's headers define names (None, Bool)
// that clash with GoogleTest's.
#pragma once

#include <string>

#include "platform/Bitmap.h"

namespace testing_support {

bool XServerAnswers(const std::string& display);
// The window's pixels as 0x00RRGGBB; empty when the window cannot be read.
platform::Bitmap WindowPixels(const std::string& display, unsigned long window);

}  // namespace testing_support
