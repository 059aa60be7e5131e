#pragma once

#include <string>
#include <vector>

// The game loads its files from "Assets/..." relative to the working directory.
// When it is started elsewhere (from a desktop menu, another folder), the
// working directory is moved to the folder that holds the installed Assets/.

// True when the folder's Assets/ holds every file start-up needs (the font, the
// catch sound, the music and the title menu's picture): an Assets/ of another
// program, or a stray copy of a few of the game's files, is not the game's.
bool HoldsGameAssets(const std::string& folder);

// The first of the candidate folders that holds the game's Assets/, or "".
std::string FindAssetsRoot(const std::vector<std::string>& candidates);

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
