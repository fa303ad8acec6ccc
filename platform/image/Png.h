// Png: writing a bitmap as a PNG picture (screenshots, a run's result, contact sheets, the icons),
// through libpng.
#pragma once

#include <optional>
#include <string>

#include "platform/image/Bitmap.h"
#include "platform/system/Result.h"

namespace platform {

// The bitmap as the bytes of an opaque PNG picture; with `transparent`, pixels of that value are
// left see-through instead. Nothing for an empty bitmap.
std::optional<std::string> EncodePng(const Bitmap& bitmap,
                                     std::optional<Pixel> transparent = std::nullopt);
// Writes the picture whole or not at all (WholeFile.h), or says why it cannot.
Result<void> SavePng(const Bitmap& bitmap, const std::string& path,
                     std::optional<Pixel> transparent = std::nullopt);

}  // namespace platform
