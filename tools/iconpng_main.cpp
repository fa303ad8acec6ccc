// iconpng: writes the game's icon at every size of the hicolor icon theme, as PNG pictures with
// transparent corners: OUTDIR/hicolor/NxN/apps/vesk.png, ready to install under share/icons.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/Icon.h"
#include "platform/SdlHandles.h"

namespace {

bool SavePicture(const platform::Bitmap& icon, const std::string& path) {
  const platform::SdlSurfaceHandle surface(
      SDL_CreateRGBSurfaceWithFormat(0, icon.Width(), icon.Height(), 32, SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return false;
  for (int32_t y = 0; y < icon.Height(); ++y) {
    auto* row =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int32_t x = 0; x < icon.Width(); ++x) {
      const platform::Pixel pixel = icon.Pixel(x, y);
      row[x] = pixel == kIconTransparent ? 0 : (0xFF000000u | pixel.Value);
    }
  }
  return IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconpng OUTDIR\n");
    return 2;
  }
  for (const int32_t size : kIconSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "hicolor" / name / "apps";
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    const std::string path = (folder / "vesk.png").string();
    if (failed || !SavePicture(ApplicationIcon(size), path)) {
      std::fprintf(stderr, "iconpng: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
