#include "app/Icon.h"

#include <cstddef>

namespace {

// The pictures drawn by hand, one character a pixel; kLegend gives each character's colour. The
// small sizes are drawn for themselves: the 32 shrunk would lose the crown's points and gems.
// clang-format off
constexpr const char* kPicture16[16] = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbbbbbbbbbbbbk.",
    ".kbBBBBBBBBBBbk.",
    ".kbByBByyBByBbk.",
    ".kbByyByyByyBbk.",
    ".kbByyyyyyyyBbk.",
    ".kbByyyyyyyyBbk.",
    ".kbBooooooooBbk.",
    ".kbByryggyryBbk.",
    ".kbBooooooooBbk.",
    ".kbBBBBBBBBBBbk.",
    "..kbBBBBBBBBbk..",
    "...kbBBBBBBbk...",
    "....kbbBBbbk....",
    "......kkkk......",
};

constexpr const char* kPicture24[24] = {
    "........................",
    ".kkkkkkkkkkkkkkkkkkkkkk.",
    ".kbbbbbbbbbbbbbbbbbbbbk.",
    ".kbBBBBBBBBBBBBBBBBBBbk.",
    ".kbBBBBBBBByyBBBBBBBBbk.",
    ".kbBBByBBByrryBBByBBBbk.",
    ".kbBBByyBByyyyBByyBBBbk.",
    ".kbBBByyyByyyyByyyBBBbk.",
    ".kbBBByyyyyyyyyyyyBBBbk.",
    ".kbBBByyyyyyyyyyyyBBBbk.",
    ".kbBBBooooooooooooBBBbk.",
    ".kbBBByyryyggyyryyBBBbk.",
    ".kbBBBooooooooooooBBBbk.",
    ".kbBBBBBBBBBBBBBBBBBBbk.",
    ".kbBBBBBBBBBBBBBBBBBBbk.",
    "..kbBBBBBBBBBBBBBBBBbk..",
    "..kbBBBBBBBBBBBBBBBBbk..",
    "...kbBBBBBBBBBBBBBBbk...",
    "....kbBBBBBBBBBBBBbk....",
    ".....kbBBBBBBBBBBbk.....",
    "......kbbBBBBBBbbk......",
    "........kbbBBbbk........",
    "..........kkkk..........",
    "........................",
};

constexpr const char* kPicture32[32] = {
    "................................",
    "................................",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "..kbbbbbbbbbbbbbbbbbbbbbbbbbbk..",
    "..kbBBBBBBBBBBBBBBBBBBBBBBBBbk..",
    "..kbBBBBBBBBBBBBBBBBBBBBBBBBbk..",
    "..kbBBBBBBBBBBByyBBBBBBBBBBBbk..",
    "..kbBBBBByBBBByrryBBBByBBBBBbk..",
    "..kbBBBByryBBByrryBBByryBBBBbk..",
    "..kbBBBBByBBBBByyBBBBByBBBBBbk..",
    "..kbBBBBByyBBBByyBBBByyBBBBBbk..",
    "..kbBBBBByyyBByyyyBByyyBBBBBbk..",
    "..kbBBBBByyyyyyyyyyyyyyBBBBBbk..",
    "..kbBBBBByyyyyyyyyyyyyyBBBBBbk..",
    "..kbBBBBBoyyyyyyyyyyyyoBBBBBbk..",
    "..kbBBBBooooooooooooooooBBBBbk..",
    "..kbBBBBByyyryyggyyryyyBBBBBbk..",
    "..kbBBBBooooooooooooooooBBBBbk..",
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

struct LegendEntry {
  char Key;
  platform::Pixel Colour;
};

constexpr LegendEntry kLegend[] = {
    {'.', kIconTransparent},             // corners
    {'k', platform::Pixel{0x00101828}},  // outline
    {'b', platform::Pixel{0x006C8CD8}},  // shield rim
    {'B', platform::Pixel{0x00284C9C}},  // shield
    {'y', platform::Pixel{0x00F0C830}},  // gold
    {'o', platform::Pixel{0x00B07818}},  // gold in shade
    {'r', platform::Pixel{0x00D83030}},  // ruby
    {'g', platform::Pixel{0x0030B050}},  // emerald
};

constexpr const LegendEntry* Find(char key) {
  for (const LegendEntry& entry : kLegend) {
    if (entry.Key == key) return &entry;
  }
  return nullptr;
}

// A picture of N rows must have N characters in each row, all of them in the legend.
template <size_t N>
constexpr bool WellFormed(const char* const (&rows)[N]) {
  for (const char* row : rows) {
    size_t length = 0;
    for (; row[length] != '\0'; ++length) {
      if (!Find(row[length])) return false;
    }
    if (length != N) return false;
  }
  return true;
}
static_assert(WellFormed(kPicture16) && WellFormed(kPicture24) && WellFormed(kPicture32),
              "an icon picture has a row of the wrong length or a character not in the legend");

struct DrawnPicture {
  int32_t Size;
  const char* const* Rows;
};

// Largest first, so a size that several pictures scale to gets the most detailed one.
constexpr DrawnPicture kDrawn[] = {{32, kPicture32}, {24, kPicture24}, {16, kPicture16}};

}  // namespace

platform::Bitmap ApplicationIcon(int32_t size) {
  for (const DrawnPicture& picture : kDrawn) {
    if (size < picture.Size || size % picture.Size != 0) continue;
    const int32_t step = size / picture.Size;
    platform::Bitmap icon(size, size);
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        icon.Row(y)[x] = Find(picture.Rows[y / step][x / step])->Colour.Value;
      }
    }
    return icon;
  }
  return {};
}

platform::Bitmap MaskableIcon(int32_t size, platform::Pixel background) {
  // The shield reaches the 32 picture's rows and columns 2 to 29: its corners, 14 of the picture's
  // pixels from the middle along each axis, must stay within 0.4 x size of the middle.
  const int32_t step = static_cast<int32_t>(0.4 * size / (14 * 1.4143));
  platform::Bitmap icon(size, size);
  const platform::Bitmap picture = ApplicationIcon(32 * step);
  const int32_t offset = (size - picture.Width()) / 2;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const platform::Pixel drawn = picture.Pixel(x - offset, y - offset);  // transparent outside
      icon.Row(y)[x] = (drawn == kIconTransparent ? background : drawn).Value;
    }
  }
  return icon;
}
