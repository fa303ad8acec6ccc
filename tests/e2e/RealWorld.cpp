#include "RealWorld.h"

#include <algorithm>
#include <array>
#include <queue>

#include "TestSupport.h"

namespace testing_support {
namespace {

const std::string& RealMap() {
  static const std::string map = ReadFile(SourcePath("data/VESK.M"));
  return map;
}

bool Walkable(int x, int y) {
  if (x < 0 || y < 0 || x > 99 || y > 99) return false;
  const int terrainClass = RealTerrain(x, y) & 0x7F;
  return terrainClass == 0 || terrainClass == 19 || (terrainClass >= 24 && terrainClass <= 47);
}

}  // namespace

int RealTerrain(int x, int y) { return static_cast<unsigned char>(RealMap().at(96 + y * 100 + x)); }

std::vector<std::string> WalkKeys(Cell from, Cell to) {
  struct Move {
    int Dx, Dy;
    const char* Key;
  };
  constexpr std::array<Move, 4> kMoves = {
      {{0, -1, "Up"}, {0, 1, "Down"}, {-1, 0, "Left"}, {1, 0, "Right"}}};
  std::vector<int> cameBy(10000, -1);
  std::queue<Cell> open;
  open.push(from);
  cameBy[from.Y * 100 + from.X] = 4;
  while (!open.empty()) {
    const Cell cell = open.front();
    open.pop();
    if (cell.X == to.X && cell.Y == to.Y) break;
    for (int m = 0; m < 4; ++m) {
      const Cell next{cell.X + kMoves[m].Dx, cell.Y + kMoves[m].Dy};
      if (!Walkable(next.X, next.Y) || cameBy[next.Y * 100 + next.X] != -1) continue;
      cameBy[next.Y * 100 + next.X] = m;
      open.push(next);
    }
  }
  std::vector<std::string> keys;
  if (cameBy[to.Y * 100 + to.X] == -1) return keys;
  for (Cell cell = to; cell.X != from.X || cell.Y != from.Y;) {
    const Move& move = kMoves[cameBy[cell.Y * 100 + cell.X]];
    keys.push_back(move.Key);
    cell = Cell{cell.X - move.Dx, cell.Y - move.Dy};
  }
  std::reverse(keys.begin(), keys.end());
  return keys;
}

std::string KeyScript(const std::vector<std::string>& keys) {
  std::string script;
  for (const std::string& key : keys) script += "key " + key + "\n";
  return script;
}

}  // namespace testing_support
