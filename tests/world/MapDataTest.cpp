// The world the game ships with: data/VESK.M is exactly what its source builds, and the world is
// walkable the way the game needs it: the hero starts on open ground, can walk to the king, to
// everything worth a visit and to every cell it could stand on, never reaches the edge of the grid,
// and finds something behind every tile that is drawn as a way somewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "tools/MapCompiler.h"
#include "world/Vesk3_map.h"

using namespace map_compiler;
using testing_support::ReadFile;
using testing_support::SourcePath;

namespace {

constexpr int kStartX = 50, kStartY = 50;
constexpr int kKingX = 50, kKingY = 27;
constexpr uint8_t kKing = 48;
constexpr int kBorderDepth = 5;

// The terrain classes the hero may step onto.
bool Walkable(uint8_t cell) {
  const int terrainClass = cell & 0x7F;
  return terrainClass == 0 || terrainClass == 19 || (terrainClass >= 24 && terrainClass <= 47);
}

class ShippedWorld : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing_support::ScratchDir dir;
    dir.CopyData("VESK.M");
    map_ = std::make_unique<TWorldMap>("VESK.M");  // read the way the game reads it
    reached_ = ReachableFromStart();
  }
  static void TearDownTestSuite() { map_.reset(); }

  static uint8_t At(int x, int y) { return map_->Cells[y * kMapSize + x]; }
  static bool Reached(int x, int y) { return reached_.count({x, y}) != 0; }
  static bool NextToReached(int x, int y) {
    return Reached(x + 1, y) || Reached(x - 1, y) || Reached(x, y + 1) || Reached(x, y - 1);
  }

  // Breadth-first walk from the start cell over the walkable classes.
  static std::set<std::pair<int, int>> ReachableFromStart() {
    std::set<std::pair<int, int>> seen = {{kStartX, kStartY}};
    std::deque<std::pair<int, int>> queue = {{kStartX, kStartY}};
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!queue.empty()) {
      auto [x, y] = queue.front();
      queue.pop_front();
      for (const auto& step : steps) {
        const int nx = x + step[0], ny = y + step[1];
        if (nx < 0 || ny < 0 || nx >= kMapSize || ny >= kMapSize) continue;
        if (Walkable(At(nx, ny)) && seen.insert({nx, ny}).second) queue.push_back({nx, ny});
      }
    }
    return seen;
  }

  static inline std::unique_ptr<TWorldMap> map_;
  static inline std::set<std::pair<int, int>> reached_;
};

}  // namespace

TEST(ShippedMapFile, IsExactlyWhatItsSourceBuilds) {
  const std::string source = ReadFile(SourcePath("data/src/VESK.map"));
  const std::string built = ReadFile(SourcePath("data/VESK.M"));
  EXPECT_EQ(CompileMapSource(source, "VESK.map"), built) << "rebuild data/VESK.M with mapc";
  EXPECT_EQ(DecompileMapFile(built, "VESK.M", ParseMapLegend(source, "VESK.map")), source);
}

TEST(ShippedMapFile, DecompilesWithTheDefaultLegendToTheSameMap) {
  const std::string built = ReadFile(SourcePath("data/VESK.M"));
  const std::string text = DecompileMapFile(built, "VESK.M", DefaultMapLegend());
  EXPECT_EQ(CompileMapSource(text, "default.map"), built);
}

TEST_F(ShippedWorld, HasTheSizeTheGameExpects) {
  EXPECT_EQ(ReadFile(SourcePath("data/VESK.M")).size(), 10096u);
  EXPECT_EQ(map_->Width(), 100);
  EXPECT_EQ(map_->Height(), 100);
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) ASSERT_LE(At(x, y), 55) << "(" << x << ", " << y << ")";
}

TEST_F(ShippedWorld, KingCanBeReachedOnFootFromTheStart) {
  EXPECT_EQ(At(kKingX, kKingY), kKing);
  const int startClass = At(kStartX, kStartY) & 0x7F;
  EXPECT_TRUE(startClass >= 27 && startClass <= 47) << "start on silent, walkable ground";
  EXPECT_TRUE(NextToReached(kKingX, kKingY));
}

TEST_F(ShippedWorld, BorderKeepsTheHeroAwayFromTheEdge) {
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const bool inBorder = std::min({x, y, kMapSize - 1 - x, kMapSize - 1 - y}) < kBorderDepth;
      if (inBorder) {
        EXPECT_FALSE(Walkable(At(x, y))) << "(" << x << ", " << y << ")";
      }
    }
}

// Every kind of terrain the walking rules know appears, and every one the hero can meet is met:
// people, signs and doors stand next to a reachable cell, event cells are reachable themselves.
TEST_F(ShippedWorld, OffersEveryKindOfTerrainWithinReach) {
  struct Kind {
    const char* what;
    uint8_t low, high;
    bool walkOnto;
  };
  const Kind kinds[] = {
      {"special event", 0, 0, true},   {"magic circle", 19, 19, true},
      {"water", 24, 24, true},         {"swamp", 25, 25, true},
      {"lava", 26, 26, true},          {"deep sea", 20, 20, false},
      {"door", 22, 22, false},         {"sign", 23, 23, false},
      {"castle walls", 1, 2, false},   {"house walls", 3, 4, false},
      {"trees", 5, 7, false},          {"mountains", 8, 9, false},
      {"roads", 29, 30, true},         {"bridge", 34, 34, true},
      {"castle guard", 49, 49, false}, {"town guard", 50, 50, false},
      {"farmer", 51, 51, false},       {"townswoman", 52, 52, false},
      {"old sage", 53, 53, false},     {"merchant", 54, 54, false},
      {"child", 55, 55, false},
  };
  for (const Kind& kind : kinds) {
    int met = 0;
    for (int y = 0; y < kMapSize; ++y)
      for (int x = 0; x < kMapSize; ++x) {
        const uint8_t cell = At(x, y);
        if (cell < kind.low || cell > kind.high) continue;
        if (kind.walkOnto ? Reached(x, y) : NextToReached(x, y)) ++met;
      }
    EXPECT_GT(met, 0) << kind.what;
  }
}

TEST_F(ShippedWorld, EveryPersonCanBeTalkedTo) {
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if ((At(x, y) & 0x7F) >= 48) {
        EXPECT_TRUE(NextToReached(x, y)) << "person at (" << x << ", " << y << ")";
      }
}

TEST_F(ShippedWorld, EveryCellTheHeroCouldStandOnCanBeReached) {
  std::string unreached;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (Walkable(At(x, y)) && !Reached(x, y))
        unreached += " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
  EXPECT_EQ(unreached, "") << "walkable but cut off from the start";
}

// The names the tile sheet's source gives its 56 tiles, in order.
std::vector<std::string> TileNames() {
  std::istringstream source(ReadFile(SourcePath("data/src/TOWN.sheet")));
  std::vector<std::string> names;
  for (std::string line; std::getline(source, line);) {
    if (line.rfind("image ", 0) != 0) continue;
    const size_t name = line.find(' ', 6);
    names.push_back(name == std::string::npos ? "" : line.substr(name + 1));
  }
  return names;
}

// A tile drawn as stairs, a ladder or a way into somewhere promises the player a way; wherever the
// map uses one, the walking rules must answer it (a special event, "enter somewhere", a sign).
TEST_F(ShippedWorld, EveryTileDrawnAsAWaySomewhereHasARuleBehindIt) {
  const std::vector<std::string> names = TileNames();
  ASSERT_EQ(names.size(), 56u);
  const auto looksLikeAWay = [](const std::string& name) {
    for (const char* word : {"stair", "step", "ladder", "trapdoor", "entrance", "hole"})
      if (name.find(word) != std::string::npos) return true;
    return false;
  };
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const int tile = At(x, y) & 0x3F, terrainClass = At(x, y) & 0x7F;
      if (!looksLikeAWay(names[tile])) continue;
      const bool answered =
          terrainClass == 0 || terrainClass == 19 || terrainClass == 22 || terrainClass == 23;
      EXPECT_TRUE(answered) << names[tile] << " at (" << x << ", " << y << ") does nothing";
    }
}
