#pragma once

#include <string>
#include <vector>

// The launch on Windows: the command line as the system has it (UTF-16, so a
// name with accents arrives whole), the folder of the .exe, and the settings
// under %APPDATA%.

// The arguments after the program's name, as UTF-8.
std::vector<std::string> CommandLineArguments();

// Moves the working folder to the one the .exe is in, where the game's Assets/
// is unpacked, whatever folder it was started from. False when it cannot.
bool ChangeToExecutableFolder();

// The file the remembered settings live in: "" for none. The launch sets the
// user's.
void UseSettingsFile(const std::string& path);
