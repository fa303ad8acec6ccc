// The Windows icon file: read back with the test's own small reader of the .ico layout, every
// picture comes out at its size with its pixels, and the see-through pixels are see-through both
// in the alpha channel and in the mask.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Icon.h"
#include "tools/IconFile.h"

namespace {

// The test's own model of an .ico: the directory, and each entry's 32-bit image.
uint32_t Get(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

struct Entry {
  int Side = 0;
  std::vector<uint32_t> Argb;  // top row first
  std::vector<bool> Clear;     // the mask, top row first
};

std::vector<Entry> ReadIcon(const std::string& bytes) {
  std::vector<Entry> entries;
  EXPECT_EQ(Get(bytes, 0, 2), 0u);
  EXPECT_EQ(Get(bytes, 2, 2), 1u) << "an icon, not a cursor";
  const uint32_t count = Get(bytes, 4, 2);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = 6 + 16 * i;
    Entry entry;
    entry.Side = static_cast<uint8_t>(bytes.at(at)) == 0 ? 256 : static_cast<uint8_t>(bytes[at]);
    EXPECT_EQ(static_cast<uint8_t>(bytes.at(at + 1)), entry.Side % 256);
    EXPECT_EQ(Get(bytes, at + 6, 2), 32u);
    const uint32_t size = Get(bytes, at + 8, 4), offset = Get(bytes, at + 12, 4);
    const uint32_t rowMask = (entry.Side + 31) / 32 * 4;
    EXPECT_EQ(size, 40 + entry.Side * entry.Side * 4 + rowMask * entry.Side);
    EXPECT_EQ(Get(bytes, offset, 4), 40u);
    EXPECT_EQ(Get(bytes, offset + 4, 4), static_cast<uint32_t>(entry.Side));
    EXPECT_EQ(Get(bytes, offset + 8, 4), static_cast<uint32_t>(entry.Side * 2));
    EXPECT_EQ(Get(bytes, offset + 14, 2), 32u);
    const size_t colours = offset + 40, mask = colours + entry.Side * entry.Side * 4;
    for (int y = 0; y < entry.Side; ++y) {
      const int stored = entry.Side - 1 - y;  // bottom row first
      for (int x = 0; x < entry.Side; ++x) {
        entry.Argb.push_back(Get(bytes, colours + (stored * entry.Side + x) * 4, 4));
        entry.Clear.push_back(static_cast<uint8_t>(bytes.at(mask + stored * rowMask + x / 8)) &
                              (0x80 >> (x % 8)));
      }
    }
    entries.push_back(entry);
  }
  return entries;
}

TEST(IconFile, HoldsEveryDrawnSizeWithItsPixelsAndSeeThroughCorners) {
  std::vector<platform::Bitmap> pictures;
  for (const int32_t size : kIconSizes) pictures.push_back(ApplicationIcon(size));
  pictures.push_back(platform::Bitmap());  // an empty picture is left out
  const std::vector<Entry> entries = ReadIcon(IconFileOf(pictures, kIconTransparent));
  ASSERT_EQ(entries.size(), std::size(kIconSizes));
  for (size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    const platform::Bitmap& picture = pictures[i];
    ASSERT_EQ(entry.Side, picture.Width());
    for (int y = 0; y < entry.Side; ++y) {
      for (int x = 0; x < entry.Side; ++x) {
        const platform::Pixel pixel = picture.Pixel(x, y);
        const size_t at = y * entry.Side + x;
        const bool clear = pixel == kIconTransparent;
        ASSERT_EQ(entry.Clear[at], clear) << entry.Side << ": " << x << "," << y;
        ASSERT_EQ(entry.Argb[at], clear ? 0u : 0xFF000000u | pixel.Value)
            << entry.Side << ": " << x << "," << y;
      }
    }
  }
}

}  // namespace
