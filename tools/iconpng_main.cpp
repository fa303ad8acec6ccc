// iconpng: writes the game's icon at every size of the hicolor icon theme, as PNG pictures with
// transparent corners: OUTDIR/hicolor/NxN/apps/vesk.png, ready to install under share/icons.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/Icon.h"
#include "platform/image/Png.h"

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
    std::string error = "cannot write " + path + ": " + failed.message();
    if (failed || !platform::SavePng(ApplicationIcon(size), path, error, kIconTransparent)) {
      std::fprintf(stderr, "iconpng: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
