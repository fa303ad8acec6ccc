#include "platform/image/Png.h"

#include <png.h>

#include <vector>

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

bool SavePng(const Bitmap& bitmap, const std::string& path, std::string& error,
             std::optional<Pixel> transparent) {
  const auto encoded = EncodePng(bitmap, transparent);
  if (!encoded) {
    error = "cannot write " + path + ": no picture to write";
    return false;
  }
  return ReplaceFile(path, *encoded, error);
}

std::optional<Bitmap> LoadPng(const std::string& path) {
  PngImage png;
  if (!png_image_begin_read_from_file(&png.image, path.c_str())) return std::nullopt;
  png.image.format = PNG_FORMAT_BGRA;
  std::vector<uint32_t> pixels(static_cast<size_t>(png.image.width) * png.image.height);
  if (pixels.empty() || !png_image_finish_read(&png.image, nullptr, pixels.data(), 0, nullptr)) {
    return std::nullopt;
  }
  Bitmap bitmap(static_cast<int32_t>(png.image.width), static_cast<int32_t>(png.image.height));
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      bitmap.Row(y)[x] = pixels[static_cast<size_t>(y) * bitmap.Width() + x] & 0x00FFFFFF;
    }
  }
  return bitmap;
}

}  // namespace platform
