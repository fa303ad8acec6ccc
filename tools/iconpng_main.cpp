// iconpng: writes the game's icon at every size of the hicolor icon theme, as PNG pictures with
// transparent corners: OUTDIR/hicolor/NxN/apps/vesk.png, ready to install under share/icons; and
// the browser version's icons for a phone's home screen: OUTDIR/web/vesk-192.png, vesk-512.png
// and vesk-maskable-512.png, on the page's background colour.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/Icon.h"
#include "platform/image/Png.h"

namespace {

// The page's background colour (#202020), which the web manifest names too.
constexpr platform::Pixel kPageBackground{0x00202020};

bool Write(const platform::Bitmap& icon, const std::filesystem::path& folder, const char* name) {
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  const std::string path = (folder / name).string();
  const platform::Result<void> saved =
      failed ? platform::Problem{"cannot write " + path + ": " + failed.message()}
             : platform::SavePng(icon, path, kIconTransparent);
  if (!saved) {
    std::fprintf(stderr, "iconpng: %s\n", saved.Error().Message.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconpng OUTDIR\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  for (const int32_t size : kIconSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    if (!Write(ApplicationIcon(size), out / "hicolor" / name / "apps", "vesk.png")) return 1;
  }
  const bool web = Write(ApplicationIcon(192), out / "web", "vesk-192.png") &&
                   Write(ApplicationIcon(512), out / "web", "vesk-512.png") &&
                   Write(MaskableIcon(512, kPageBackground), out / "web", "vesk-maskable-512.png");
  return web ? 0 : 1;
}
