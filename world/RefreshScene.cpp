#include "world/RefreshScene.h"

#include <algorithm>

#include "app/Vesk3_main.h"
#include "text/Vesk3_console.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"
#include "world/Vesk3_world.h"

namespace {

// The main window's view, with the hero in its centre cell.
constexpr int32_t kViewColumns = layout::kViewColumns;
constexpr int32_t kViewRows = layout::kViewRows;
constexpr int32_t kCentreColumn = layout::kCentreCell.X;
constexpr int32_t kCentreRow = layout::kCentreCell.Y;

}  // namespace

void RefreshScene(int32_t X, int32_t Y) {
  // A map header may claim more than the 100 x 100 cells the grid holds; cells past the grid
  // then show tile 0, like any cell past the map's width or height.
  const int32_t width = std::min<int32_t>(WorldMap->Width(), TWorldMap::kGridSize);
  const int32_t height = std::min<int32_t>(WorldMap->Height(), TWorldMap::kGridSize);
  for (int32_t r = 0; r < kViewRows; ++r) {
    for (int32_t c = 0; c < kViewColumns; ++c) {
      const int32_t mx = X + c - kCentreColumn;
      const int32_t my = Y + r - kCentreRow;
      // Above or left of the map: ground 0, and no hero even in the centre cell.
      if (mx < 0 || my < 0) {
        WorldView->PutTile(c, r, 0);
        continue;
      }
      if (mx > width - 1 || my > height - 1) {
        WorldView->PutTile(c, r, 0);
      } else {
        WorldView->PutTile(c, r, WorldMap->CellAt(mx, my));
      }
      if (c == kCentreColumn && r == kCentreRow) {
        WorldView->PutSprite(kCentreColumn, kCentreRow, Hero->SpriteIndex());
      }
    }
  }
  WorldView->Present();
  // A test may compose only the view, without the text panes.
  if (ConsoleWindow) ConsoleWindow->Present();
  if (InputWindow) InputWindow->Present();
}
