#include "platform/Png.h"

#include <SDL.h>
#include <SDL_image.h>

namespace platform {

bool SavePng(const Bitmap& bitmap, const std::string& path) {
  if (bitmap.Empty()) return false;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(), 32, bitmap.Width() * 4,
      SDL_PIXELFORMAT_RGB888);
  if (!surface) return false;
  const bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

std::optional<Bitmap> LoadPng(const std::string& path) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) return std::nullopt;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) return std::nullopt;
  Bitmap bitmap(rgb->w, rgb->h);
  for (int32_t y = 0; y < rgb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                        y * rgb->pitch);
    for (int32_t x = 0; x < rgb->w; ++x) bitmap.Row(y)[x] = row[x] & 0x00FFFFFF;
  }
  SDL_FreeSurface(rgb);
  return bitmap;
}

}  // namespace platform
