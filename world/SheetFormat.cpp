#include "world/SheetFormat.h"

#include <algorithm>
#include <cctype>

namespace sheet {

SheetKind KindForName(const std::string& name) {
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper == "CHARA" ? SheetKind::Sprites : SheetKind::Tiles;
}

}  // namespace sheet
