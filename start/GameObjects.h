// GameObjects: creating the main window's game objects at start-up. A data file that opens but is
// broken stops the start: whatever was made before it is released again, so the game never draws
// or walks with objects that do not exist.
#pragma once

#include "app/Vesk3_main.h"
#include "platform/system/Result.h"

// Done when all five objects exist; otherwise, with none left, the problem naming the broken file
// where it lies (the game may have found its data far from where it started) and what is wrong.
platform::Result<void> CreateGameObjects(TForm1& form);
