#pragma once

#include <string>
#include <vector>

// The game loads its files from "Assets/..." relative to the working directory.
// When it is started elsewhere (from a desktop menu, another folder), the
// working directory is moved to the folder that holds the installed Assets/.

// The first of the candidate folders that holds an Assets/ folder, or "".
std::string FindAssetsRoot(const std::vector<std::string>& candidates);

// Where to look, in order: the working directory, the executable's folder, the
// data folder as placed relative to an installed executable (../share/fornalina,
// or ../share/games/fornalina beside games/), the data folder chosen at build
// time, and last the source tree the game was built from, so that a game built
// but not installed starts from any folder.
std::vector<std::string> AssetsRootCandidates();

// Moves the working directory to the first candidate holding Assets/; leaves it
// alone when none does, so that start-up reports the missing files.
void ChangeToAssetsRoot();
