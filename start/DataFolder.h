// DataFolder: where the game runs. It opens its data files by name in the working directory, so
// it moves there: the --data folder, else the working directory when it holds the map, else the
// installed data folder or the source tree's data/. A read-only file counts as absent in the first
// two, the player's own folders; the game's own installed data is read in place as it lies.
#pragma once

#include <string>
#include <vector>

#include "platform/system/Result.h"

// Changes into the data folder; a problem when --data names a folder that cannot be entered.
// Its notices are a line when no folder with the game's data was found, and one for each data
// file of the folder the game will start without (missing, not a regular file, read-only).
platform::Result<std::vector<std::string>> EnterDataFolder(const std::string& requested);
