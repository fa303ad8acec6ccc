// iconico: writes the game's icon as a Windows icon file, one picture at every size the icon is
// drawn at, for the Windows program's resources.
//
//   iconico OUT.ico
#include <cstdio>
#include <vector>

#include "app/Icon.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "tools/IconFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconico OUT.ico\n");
    return 2;
  }
  std::vector<platform::Bitmap> pictures;
  for (const int32_t size : kIconSizes) pictures.push_back(ApplicationIcon(size));
  const auto written = platform::ReplaceFile(platform::PathFromUtf8(argv[1]),
                                             IconFileOf(pictures, kIconTransparent));
  if (!written) {
    std::fprintf(stderr, "iconico: %s\n", written.Error().Message.c_str());
    return 1;
  }
  return 0;
}
