#include "platform/Png.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/SdlHandles.h"

namespace platform {

bool SavePng(const Bitmap& bitmap, const std::string& path) {
  if (bitmap.Empty()) return false;
  const SdlSurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(), 32, bitmap.Width() * 4,
      SDL_PIXELFORMAT_RGB888));
  return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

std::optional<Bitmap> LoadPng(const std::string& path) {
  const SdlSurfaceHandle loaded(IMG_Load(path.c_str()));
  if (!loaded) return std::nullopt;
  const SdlSurfaceHandle rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
  if (!rgb) return std::nullopt;
  Bitmap bitmap(rgb->w, rgb->h);
  for (int32_t y = 0; y < rgb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                        y * rgb->pitch);
    for (int32_t x = 0; x < rgb->w; ++x) bitmap.Row(y)[x] = row[x] & 0x00FFFFFF;
  }
  return bitmap;
}

}  // namespace platform
