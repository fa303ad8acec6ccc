// SheetModel: the tests' own model of a built sheet (NAME.PAL + NAME.FNT), decoded into 32-bit
// pixels 0x00RRGGBB the way the game should show them. It is written apart from the game's map
// view, image by image, so the tests can check the game's pictures against it.
// Pixels outside an image's own W x H stay white; a sprite pixel under a non-black mask pixel
// becomes kKeyColour (magenta), the transparent key.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "world/SheetFormat.h"

namespace sheet {

constexpr uint32_t kClearColour = 0x00FFFFFF;
constexpr uint32_t kKeyColour = 0x00FF00FF;

using Cell = std::array<uint32_t, kCellPixels>;  // 24 x 24 pixels, row by row
using Colours = std::array<uint32_t, kColours>;

struct DecodedImage {
  int Width = kCellSize;  // the used top-left part of the cell
  int Height = kCellSize;
  Cell Pixels{};
};

// Each byte times 4, low 8 bits kept. `bytes` holds at least 48 bytes.
Colours DecodePalette(const std::string& bytes);
// All 56 images of an image file of at least 16464 bytes, masks decoded as plain images.
std::vector<DecodedImage> DecodeImages(const std::string& bytes, const Colours& colours);
// The 28 sprites with their masks (images 28..55) applied.
std::vector<Cell> ApplyMasks(const std::vector<DecodedImage>& images);

// Reads dir/NAME.PAL and dir/NAME.FNT: 56 tiles, or for "CHARA" 28 masked sprites.
// A missing or short file raises std::runtime_error naming the file.
std::vector<Cell> LoadSheetCells(const std::string& dir, const std::string& name);

}  // namespace sheet
