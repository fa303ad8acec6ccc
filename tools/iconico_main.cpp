// iconico: writes the game's icon as a Windows icon file, one picture at every size the icon is
// drawn at, for the Windows program's resources.
//
//   iconico OUT.ico
#include <cstdio>
#include <vector>

#include "app/Icon.h"
#include "tools/IconFile.h"
#include "tools/WholeFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: iconico OUT.ico\n");
    return 2;
  }
  std::vector<platform::Bitmap> pictures;
  for (const int32_t size : kIconSizes) pictures.push_back(ApplicationIcon(size));
  if (!WriteWholeFile(argv[1], IconFileOf(pictures, kIconTransparent))) {
    std::fprintf(stderr, "iconico: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
