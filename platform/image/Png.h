// Png: writing a bitmap as a PNG picture and reading one back (screenshots, contact sheets, the
// icons and the tests that look at them), through libpng.
#pragma once

#include <optional>
#include <string>

#include "platform/image/Bitmap.h"

namespace platform {

// The bitmap as the bytes of an opaque PNG picture; with `transparent`, pixels of that value are
// left see-through instead. Nothing for an empty bitmap.
std::optional<std::string> EncodePng(const Bitmap& bitmap,
                                     std::optional<Pixel> transparent = std::nullopt);
// Writes the picture whole or not at all (WholeFile.h); false with `error` set when it cannot.
bool SavePng(const Bitmap& bitmap, const std::string& path, std::string& error,
             std::optional<Pixel> transparent = std::nullopt);
// The picture's colours (any transparency dropped), or nothing when it cannot be read.
std::optional<Bitmap> LoadPng(const std::string& path);

}  // namespace platform
