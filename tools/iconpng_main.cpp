// iconpng: writes the game's window icon as a PNG with a transparent background, for desktops
// that show it beside the menu entry.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

#include "app/Icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconpng OUT.png\n");
    return 2;
  }
  const platform::Bitmap icon = ApplicationIcon();
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, icon.Width(), icon.Height(), 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return 1;
  for (int32_t y = 0; y < icon.Height(); ++y) {
    auto* row =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int32_t x = 0; x < icon.Width(); ++x) {
      const uint32_t pixel = icon.Row(y)[x];
      row[x] = pixel == kIconTransparent ? 0 : (0xFF000000u | pixel);
    }
  }
  const bool saved = IMG_SavePNG(surface, argv[1]) == 0;
  SDL_FreeSurface(surface);
  if (!saved) std::fprintf(stderr, "iconpng: cannot write %s\n", argv[1]);
  return saved ? 0 : 1;
}
