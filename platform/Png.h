// Png: writing a bitmap as a PNG picture and reading one back (screenshots, contact sheets and
// the tests that look at them).
#pragma once

#include <optional>
#include <string>

#include "platform/Bitmap.h"

namespace platform {

bool SavePng(const Bitmap& bitmap, const std::string& path);
std::optional<Bitmap> LoadPng(const std::string& path);

}  // namespace platform
