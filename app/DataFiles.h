// DataFiles: the files the game reads from its data folder, named once for the game, the tools,
// the tests and the build (CMakeLists.txt reads this list to install them): the world map, the
// tile and sprite sheets (a palette and an image file each, opened by their sheet's name) and the
// two bitmap fonts.
#pragma once

#include <array>

constexpr const char* kWorldMapFile = "VESK.M";
constexpr const char* kAsciiFontFile = "ascii.fnt";
constexpr const char* kHangulFontFile = "H01.fnt";

constexpr std::array<const char*, 7> kDataFiles = {
    kWorldMapFile, "TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT", kAsciiFontFile, kHangulFontFile,
};
