// StartedGame: the game as its window runs it, without a display: the main window with the
// built-in Hangul keyboard, its game objects created from the data files of the working directory
// and the first frame drawn (the first paint and the frame a backend would show). While it lives,
// the game's globals point at it, so only one can live at a time.
#pragma once

#include <cstddef>

#include "app/Vesk3_main.h"

class StartedGame {
 public:
  // A data file that opens but is broken throws platform::InOutError, naming the file.
  StartedGame();
  StartedGame(const StartedGame&) = delete;
  StartedGame& operator=(const StartedGame&) = delete;

  TForm1& Form() { return form_; }

 private:
  TForm1 form_;
};

// The bytes one RefreshScene writes: the 99 view cells, the hero sprite, and the copies of the
// map view and the two text panes onto the window.
size_t SceneRefreshBytes();
// The bytes of every bitmap the started game has filled at least once: the window surface, the
// map view with its tile and sprite strips, and the two text panes.
size_t StartUpBytes(StartedGame& game);
