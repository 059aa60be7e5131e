#pragma once

#include <string>
#include <vector>

// The game loads its files from "Assets/..." relative to the working folder;
// a launch from elsewhere first looks for the folder that holds them.

// True when the folder's Assets/ holds every file start-up needs (the font, the
// catch sound, the music and the title menu's picture): an Assets/ of another
// program, or a stray copy of a few of the game's files, is not the game's.
bool HoldsGameAssets(const std::string& folder);

// The first of the candidate folders that holds the game's Assets/, or "".
std::string FindAssetsRoot(const std::vector<std::string>& candidates);
