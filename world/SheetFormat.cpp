#include "world/SheetFormat.h"

#include <algorithm>
#include <cctype>

#include "app/DataFiles.h"

namespace sheet {

SheetKind KindForName(const std::string& name) {
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper == kSpriteSheet ? SheetKind::Sprites : SheetKind::Tiles;
}

}  // namespace sheet
