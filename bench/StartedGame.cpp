#include "bench/StartedGame.h"

#include <memory>
#include <stdexcept>

#include "platform/input/HangulKeyboard.h"
#include "start/GameObjects.h"
#include "text/Vesk3_console.h"
#include "world/Vesk3_world.h"

namespace {

size_t BitmapBytes(const platform::Bitmap& bitmap) {
  return static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height()) * 4;
}

}  // namespace

StartedGame::StartedGame() {
  form_.SetInputMethod(*platform::HangulKeyboard::Make());
  if (const auto started = CreateGameObjects(form_); !started) {
    throw std::runtime_error(started.Error().Message);
  }
  form_.Paint();
  form_.PrepareFrame();
}

size_t SceneRefreshBytes() {
  constexpr size_t kCellBytes = TWorldView::kCellSize * TWorldView::kCellSize * 4;
  constexpr size_t kViewCells = layout::kViewColumns * layout::kViewRows;
  return kViewCells * kCellBytes + kCellBytes + BitmapBytes(WorldView->ViewBitmap) +
         BitmapBytes(ConsoleWindow->Bitmap) + BitmapBytes(InputWindow->Bitmap);
}

size_t StartUpBytes(StartedGame& game) {
  return BitmapBytes(game.Form().Canvas()) + BitmapBytes(WorldView->ViewBitmap) +
         BitmapBytes(WorldView->TileStrip) + BitmapBytes(WorldView->SpriteStrip) +
         BitmapBytes(ConsoleWindow->Bitmap) + BitmapBytes(InputWindow->Bitmap);
}
