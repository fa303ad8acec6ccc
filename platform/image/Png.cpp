#include "platform/image/Png.h"

#include <png.h>

#include <vector>

#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"

namespace platform {
namespace {

// libpng's simplified interface, released whatever way a read or write ends.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
};

}  // namespace

std::optional<std::string> EncodePng(const Bitmap& bitmap, std::optional<Pixel> transparent) {
  if (bitmap.Empty()) return std::nullopt;
  // An opaque picture is written as B, G, R bytes; one with see-through pixels adds alpha.
  const int channels = transparent ? 4 : 3;
  std::vector<uint8_t> bytes(static_cast<size_t>(bitmap.Width()) * bitmap.Height() * channels);
  uint8_t* out = bytes.data();
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x, out += channels) {
      const uint32_t value = row[x] & 0x00FFFFFF;
      out[0] = static_cast<uint8_t>(value);
      out[1] = static_cast<uint8_t>(value >> 8);
      out[2] = static_cast<uint8_t>(value >> 16);
      if (transparent) out[3] = value == transparent->Value ? 0 : 0xFF;
    }
  }
  PngImage png;
  png.image.width = static_cast<png_uint_32>(bitmap.Width());
  png.image.height = static_cast<png_uint_32>(bitmap.Height());
  png.image.format = transparent ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  // Asked once for the size, then written into a buffer of that size.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, bytes.data(), 0, nullptr))
    return std::nullopt;
  std::string encoded(size, '\0');
  if (!png_image_write_to_memory(&png.image, encoded.data(), &size, 0, bytes.data(), 0, nullptr))
    return std::nullopt;
  encoded.resize(size);
  return encoded;
}

Result<void> SavePng(const Bitmap& bitmap, const std::string& path,
                     std::optional<Pixel> transparent) {
  const auto encoded = EncodePng(bitmap, transparent);
  if (!encoded) return Problem{Format(_("cannot write %s: no picture to write"), path.c_str())};
  return ReplaceFile(PathFromUtf8(path), *encoded);
}

}  // namespace platform
