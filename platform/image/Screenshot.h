// Screenshot: the client area saved as a PNG picture (in the player's pictures folder, Paths.h),
// at the picture's own size whatever the window's scale, under a name that tells when it was
// taken.
#pragma once

#include <filesystem>
#include <string>

#include "platform/image/Bitmap.h"
#include "platform/system/Result.h"

namespace platform {

// Saves `picture` in `folder` (made when missing) as vesk-YYYY-MM-DD-HHMMSS.png, with -2, -3...
// added rather than overwriting a file. The file's path, or why it could not be saved.
Result<std::filesystem::path> SaveScreenshot(const Bitmap& picture,
                                             const std::filesystem::path& folder);

}  // namespace platform
