// GameObjects: creating the main window's game objects at start-up. A data file that opens but is
// broken stops the start: whatever was made before it is released again, so the game never draws
// or walks with objects that do not exist.
#pragma once

#include <optional>

#include "app/Vesk3_main.h"
#include "platform/system/DataFile.h"

// Nothing when all five objects exist; otherwise the error naming the broken file, with none left.
std::optional<platform::InOutError> CreateGameObjects(TForm1& form);
