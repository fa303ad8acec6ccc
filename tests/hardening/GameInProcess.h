// Game in process: the main window and its game objects started in the current directory the way
// the headless program starts them, for tests that drive thousands of starts or events without
// paying for a program run each time.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Vesk3_main.h"

namespace testing_support {

// The seven files the game reads at start-up, with their full sizes in data/.
struct DataFileInfo {
  std::string Name;
  bool MayBeShort;  // the fonts serve with what they hold; the others stop the start
};
const std::vector<DataFileInfo>& GameDataFiles();

// Copies all seven files of data/ into the current directory.
void CopyAllData();

// Runs FormCreate on `form`; on a data-file error releases what was made (FormDestroy) and
// returns why the start stopped: the file where it lies, then the problem. On success every game
// object exists.
std::optional<std::string> StartGameObjects(TForm1& form);

// Whether all five game objects exist, or none does.
bool AllGameObjects();
bool NoGameObjects();

// Sends everything written to stderr to /dev/null while it lives (short fonts say so there).
class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

// Pixels of `after` that differ from `before` outside the given client-area rectangles.
struct Area {
  int Left, Top, Width, Height;
};
int ChangedPixelsOutside(const platform::Bitmap& before, const platform::Bitmap& after,
                         const std::vector<Area>& allowed);

}  // namespace testing_support
