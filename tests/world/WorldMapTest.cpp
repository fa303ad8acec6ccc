#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/system/DataFile.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"

namespace {

// A map file whose byte at offset i is i mod 251, so every cell tells where it was read from.
std::string NumberedMap(size_t size) {
  std::string file(size, '\0');
  for (size_t i = 0; i < size; ++i) file[i] = static_cast<char>(i % 251);
  return file;
}

}  // namespace

TEST(WorldMap, CellsAndSizeComeFromTheirOffsets) {
  testing_support::ScratchDir dir;
  dir.Write("M", NumberedMap(10096));
  TWorldMap map("M");
  EXPECT_EQ(map.Width(), 11);
  EXPECT_EQ(map.Height(), 12);
  EXPECT_EQ(map.CellAt(0, 1), 196 % 251);
  EXPECT_EQ(map.CellAt(99, 99), 10095 % 251);
  EXPECT_EQ(map.CellAt(7, 0), 103);
}

TEST(WorldMap, ALongerFileLoadsItsFirstPartAndAShortOneFails) {
  testing_support::ScratchDir dir;
  dir.Write("LONG", NumberedMap(20000));
  EXPECT_EQ(TWorldMap("LONG").CellAt(99, 99), 10095 % 251);
  dir.Write("SHORT", NumberedMap(10095));
  EXPECT_THROW(TWorldMap("SHORT"), platform::InOutError);
  dir.Write("HEADER", NumberedMap(50));
  try {
    TWorldMap map("HEADER");
    FAIL();
  } catch (const platform::InOutError& error) {
    EXPECT_EQ(error.Message(), "Read beyond end of file");
    EXPECT_EQ(error.FileName(), "HEADER");
  }
}

TEST(WorldMap, WithoutAFileEveryCellIsZeroAndTheMapHasNoSize) {
  testing_support::ScratchDir dir;
  TWorldMap map("VESK.M");
  EXPECT_EQ(map.Width(), 0);
  EXPECT_EQ(map.Height(), 0);
  EXPECT_EQ(map.CellAt(0, 0), 0);
  EXPECT_EQ(map.CellAt(99, 99), 0);
}

TEST(WorldMap, CellsOutsideTheGridAreWallsAndNeverReadBeyondIt) {
  testing_support::ScratchDir dir;
  dir.Write("M", NumberedMap(10096));
  TWorldMap map("M");
  for (auto [x, y] :
       {std::pair{-1, 0}, {0, -1}, {100, 0}, {0, 100}, {-2147483647 - 1, 5}, {5, 2147483647}}) {
    EXPECT_EQ(map.CellAt(x, y), TWorldMap::kOutsideCell) << x << "," << y;
  }
}

TEST(Character, HorizontalSignsWinAndZeroStepsChangeNothing) {
  TCharacter hero(50, 50);
  EXPECT_EQ(hero.SpriteIndex(), 8);
  hero.Turn(1, -1);
  EXPECT_EQ(hero.Facing, TCharacter::kRight);
  hero.Turn(-1, 1);
  EXPECT_EQ(hero.Facing, TCharacter::kLeft);
  hero.Turn(0, 5);
  EXPECT_EQ(hero.Facing, TCharacter::kDown);
  hero.Turn(0, -3);
  EXPECT_EQ(hero.SpriteIndex(), 9);
  hero.Turn(0, 0);
  hero.Step(0, 0);
  EXPECT_EQ(hero.Facing, TCharacter::kUp);
  EXPECT_EQ(hero.X, 50);
}

TEST(Character, StepMovesThenTurns) {
  TCharacter hero(50, 50);
  hero.Step(-1, 0);
  EXPECT_EQ(hero.X, 49);
  EXPECT_EQ(hero.Y, 50);
  EXPECT_EQ(hero.Facing, TCharacter::kLeft);
  EXPECT_EQ(hero.SpriteIndex(), 11);
}
