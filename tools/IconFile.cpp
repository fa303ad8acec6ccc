#include "tools/IconFile.h"

#include <cstdint>

namespace {

constexpr uint32_t kDirectorySize = 6, kEntrySize = 16, kBitmapHeaderSize = 40;

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}
void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Rows of the AND mask are whole 32-bit words.
uint32_t MaskRowBytes(int32_t width) { return static_cast<uint32_t>((width + 31) / 32 * 4); }

// One entry's image: a BITMAPINFOHEADER whose height counts the colour rows and the mask rows,
// the colour rows bottom up as BGRA, then the mask rows bottom up (1: see-through).
std::string EntryImage(const platform::Bitmap& picture, platform::Pixel transparent) {
  const int32_t size = picture.Width();
  std::string image;
  Put32(image, kBitmapHeaderSize);
  Put32(image, static_cast<uint32_t>(size));
  Put32(image, static_cast<uint32_t>(size * 2));
  Put16(image, 1);   // planes
  Put16(image, 32);  // bits a pixel
  for (int field = 0; field < 6; ++field)
    Put32(image, 0);  // uncompressed, sizes and palette unused
  for (int32_t y = size - 1; y >= 0; --y) {
    for (int32_t x = 0; x < size; ++x) {
      const platform::Pixel pixel = picture.Pixel(x, y);
      Put32(image, pixel == transparent ? 0 : 0xFF000000u | (pixel.Value & 0x00FFFFFF));
    }
  }
  for (int32_t y = size - 1; y >= 0; --y) {
    std::string row(MaskRowBytes(size), '\0');
    for (int32_t x = 0; x < size; ++x) {
      if (picture.Pixel(x, y) == transparent) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
    }
    image += row;
  }
  return image;
}

}  // namespace

std::string IconFileOf(const std::vector<platform::Bitmap>& pictures, platform::Pixel transparent) {
  std::vector<const platform::Bitmap*> kept;
  for (const platform::Bitmap& picture : pictures) {
    if (!picture.Empty()) kept.push_back(&picture);
  }
  std::string directory, images;
  Put16(directory, 0);  // reserved
  Put16(directory, 1);  // an icon, not a cursor
  Put16(directory, static_cast<uint32_t>(kept.size()));
  uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(kept.size());
  for (const platform::Bitmap* picture : kept) {
    const std::string image = EntryImage(*picture, transparent);
    const auto side = static_cast<uint32_t>(picture->Width() % 256);  // 0 stands for 256
    directory += static_cast<char>(side);
    directory += static_cast<char>(side);
    directory += '\0';     // no palette
    directory += '\0';     // reserved
    Put16(directory, 1);   // planes
    Put16(directory, 32);  // bits a pixel
    Put32(directory, static_cast<uint32_t>(image.size()));
    Put32(directory, offset);
    offset += static_cast<uint32_t>(image.size());
    images += image;
  }
  return directory + images;
}
