// DataFiles: the files the game reads from its data folder, named once for the game, the tools,
// the tests and the build (CMakeLists.txt reads this list to install them): the world map, the
// tile and sprite sheets (a palette and an image file each) and the two bitmap fonts.
#pragma once

#include <array>

constexpr std::array<const char*, 7> kDataFiles = {
    "VESK.M", "TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT", "ascii.fnt", "H01.fnt",
};
