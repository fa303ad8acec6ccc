// Talking to an X server directly, for the real-window tests: whether it answers, a window's
// pixels as the server holds them, and its close button. Kept apart because Xlib's headers define
// names (None, Bool) that clash with GoogleTest's.
#pragma once

#include <string>

#include "platform/image/Bitmap.h"

namespace testing_support {

bool XServerAnswers(const std::string& display);
// The window's pixels as 0x00RRGGBB; empty when the window cannot be read.
platform::Bitmap WindowPixels(const std::string& display, unsigned long window);
// Whether pictures `a` and `b` have the same pixels in the rectangle at (left, top).
bool SamePixels(const platform::Bitmap& a, const platform::Bitmap& b, int left, int top, int width,
                int height);
// Asks the window to close the way a window manager does when its close button is pressed
// (WM_DELETE_WINDOW); false when the request could not be sent.
bool PressCloseButton(const std::string& display, unsigned long window);

}  // namespace testing_support
