#include "app/Icon.h"

namespace {

// One character a pixel; the legend below gives each character's colour (0x00RRGGBB).
// clang-format off
constexpr const char* kPicture[32] = {
    "................................",
    "................................",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "..kbbbbbbbbbbbbbbbbbbbbbbbbbbk..",
    "..kbBBBBBBBBBBBBBBBBBBBBBBBBbk..",
    "..kbBBBBBBBBBBBBBBBBBBBBBBBBbk..",
    "..kbBBBBBBBBBByyBBBBBBBBBBBBbk..",
    "..kbBBBByBBBByrryBBBByBBBBBBbk..",
    "..kbBBByryBBByrryBBByryBBBBBbk..",
    "..kbBBBByBBBBByyBBBBByBBBBBBbk..",
    "..kbBBBByyBBBByyBBBByyBBBBBBbk..",
    "..kbBBBByyyBByyyyBByyyBBBBBBbk..",
    "..kbBBBByyyyyyyyyyyyyyBBBBBBbk..",
    "..kbBBBByyyyyyyyyyyyyyBBBBBBbk..",
    "..kbBBBBoyyyyyyyyyyyyoBBBBBBbk..",
    "..kbBBBBoooooooooooooooBBBBBbk..",
    "..kbBBBByyyryyygyyyryyBBBBBBbk..",
    "..kbBBBBoooooooooooooooBBBBBbk..",
    "..kbBBBBBBBBBBBBBBBBBBBBBBBBbk..",
    "...kbBBBBBBBBBBBBBBBBBBBBBBbk...",
    "...kbBBBBBBBBBBBBBBBBBBBBBBbk...",
    "....kbBBBBBBBBBBBBBBBBBBBBbk....",
    "....kbBBBBBBBBBBBBBBBBBBBBbk....",
    ".....kbBBBBBBBBBBBBBBBBBBbk.....",
    "......kbBBBBBBBBBBBBBBBBbk......",
    ".......kbBBBBBBBBBBBBBBbk.......",
    "........kbBBBBBBBBBBBBbk........",
    ".........kbbBBBBBBBBbbk.........",
    "...........kbbBBBBbbk...........",
    ".............kbbbbk.............",
    "...............kk...............",
    "................................",
};
// clang-format on

uint32_t ColourOf(char c) {
  switch (c) {
    case 'k':
      return 0x00101828;  // outline
    case 'b':
      return 0x006C8CD8;  // shield rim
    case 'B':
      return 0x00284C9C;  // shield
    case 'y':
      return 0x00F0C830;  // gold
    case 'o':
      return 0x00B07818;  // gold in shade
    case 'r':
      return 0x00D83030;  // ruby
    case 'g':
      return 0x0030B050;  // emerald
    default:
      return 0x00000000;  // transparent corner
  }
}

}  // namespace

platform::Bitmap ApplicationIcon() {
  platform::Bitmap icon(32, 32);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) icon.Row(y)[x] = ColourOf(kPicture[y][x]);
  }
  return icon;
}
