// SheetCompiler: turns a sheet source (text pixel art) into the game's NAME.PAL and NAME.FNT, and
// a built sheet back into a source so a modder can start from it.
//
// Source: "palette" and 16 lines "r g b" (6-bit intensities), then for each image in order
// "image <number> <name words>", an optional "size <W> <H>" and 24 rows of 24 characters 0-9 a-f.
// In the sprite sheet '.' marks a transparent pixel; its mask image is derived by the compiler.
// Any malformed input raises SheetError with a "FILE:LINE: problem" message.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "world/SheetFormat.h"

namespace sheet {

class SheetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Marks a transparent sprite pixel in SheetImage::Pixels; never a colour index.
constexpr uint8_t kClearPixel = 0xFF;

struct SheetImage {
  std::string Name;  // the free words after the number; not stored in the built files
  uint16_t W = kMaxSizeField;
  uint16_t H = kMaxSizeField;
  std::array<uint8_t, kCellPixels> Pixels{};  // colour indices, row by row
};

struct Sheet {
  SheetKind Kind = SheetKind::Tiles;
  std::array<std::array<uint8_t, 3>, kColours> Palette{};
  std::vector<SheetImage> Images;  // 56 tiles, or 28 sprites without their masks
};

int ImageCount(SheetKind kind);

// Reads source text; fileName is used in messages only.
Sheet ParseSheetSource(const std::string& text, const std::string& fileName, SheetKind kind);
std::string WriteSheetSource(const Sheet& sheet);

std::string EncodePalette(const Sheet& sheet);
// All 56 records; for a sprite sheet the masks follow the sprites.
std::string EncodeImages(const Sheet& sheet);

// Reads built files back into a sheet. The names are used in messages only.
Sheet DecodeSheetFiles(const std::string& paletteBytes, const std::string& paletteName,
                       const std::string& imageBytes, const std::string& imageName, SheetKind kind);

// Compiles SOURCE into outDir/NAME.PAL and outDir/NAME.FNT (NAME = the source's file stem).
void CompileSheetFile(const std::string& sourcePath, const std::string& outDir);
// Writes the source of the built sheet NAME.PAL + NAME.FNT to outPath.
void DecompileSheetFiles(const std::string& palettePath, const std::string& imagePath,
                         const std::string& outPath);

}  // namespace sheet
