// IconFile: pictures as a Windows icon file (.ico), the form a Windows program's resources take
// its icon in. Each picture becomes one 32-bit entry with an alpha channel and the AND mask that
// older parts of Windows draw with.
#pragma once

#include <string>
#include <vector>

#include "platform/image/Bitmap.h"

// The .ico bytes of `pictures` (square, 1 to 256 pixels a side; an empty one is left out). A
// pixel equal to `transparent` is see-through; every other pixel is opaque.
std::string IconFileOf(const std::vector<platform::Bitmap>& pictures, platform::Pixel transparent);
