// RealWorld: facts about the shipped world map that scripted runs need, found by searching the
// map itself so the tests keep up with the map as it changes.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct Cell {
  int X = 0;
  int Y = 0;
};

// The terrain byte of cell (x, y) of data/VESK.M.
int RealTerrain(int x, int y);
// The arrow keys ("Up", "Left", ...) of a shortest walk from `from` to `to` over walkable cells;
// empty when `to` cannot be reached.
std::vector<std::string> WalkKeys(Cell from, Cell to);
// A script line for each key.
std::string KeyScript(const std::vector<std::string>& keys);

}  // namespace testing_support
