#pragma once

#include <string>

// Where the settings file lives, by the XDG base-directory rules. Decided once,
// before the game moves its working folder, so it never depends on that folder.

// The settings file under these folders (each may be null): XDG_CONFIG_HOME
// when absolute, otherwise HOME/.config, otherwise the home folder of the user
// database/.config; "" when none of them is an absolute path (nothing is saved).
std::string SettingsPathFrom(const char* xdgConfigHome, const char* home, const char* userDatabaseHome);

// The same for this process: its environment, then the user database.
std::string UserSettingsPath();
