#pragma once

#include "filechecks/GameAssets.h"

#include <string>
#include <vector>

// When the game is started elsewhere (from a desktop menu, another folder),
// the working directory is moved to the folder that holds the installed Assets/.

// Where to look, in order: the working directory, the executable's folder, the
// data folder as placed relative to an installed executable (../share/fornalina,
// or ../share/games/fornalina beside games/), the data folder chosen at build
// time, and last the source tree the game was built from, so that a game built
// but not installed starts from any folder.
std::vector<std::string> AssetsRootCandidates();

// Moves the working directory to the folder named by FORNALINA_DATA_DIR when
// that is set (taken as it is: the player asked for it, and start-up reports
// what it lacks), otherwise to the first candidate holding the game's Assets/;
// leaves it alone when none does, so that start-up reports the missing files.
// False, having said so on standard error, when FORNALINA_DATA_DIR names no
// folder the game can enter: another folder is never taken in its place.
bool ChangeToAssetsRoot();
