// Png: writing a bitmap as a PNG picture and reading one back (screenshots, contact sheets, the
// icons and the tests that look at them), through libpng.
#pragma once

#include <optional>
#include <string>

#include "platform/image/Bitmap.h"

namespace platform {

// Writes the bitmap as an opaque picture; with `transparent`, pixels of that value are left
// see-through instead. False when the file cannot be written.
bool SavePng(const Bitmap& bitmap, const std::string& path,
             std::optional<Pixel> transparent = std::nullopt);
// The picture's colours (any transparency dropped), or nothing when it cannot be read.
std::optional<Bitmap> LoadPng(const std::string& path);

}  // namespace platform
