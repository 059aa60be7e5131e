#pragma once

#include <string>
#include <vector>

// What the game was asked to do on its command line:
//   fornalina [--fullscreen | --window] [--help] [--version]
struct LaunchOptions
{
    enum class Action
    {
        Play,
        Help,    // print the usage, exit 0
        Version, // print the version, exit 0
        Unknown  // an option the game does not know: say so, exit 2
    };
    Action action = Action::Play;
    // For this launch only, over the remembered choice: -1 as remembered,
    // 0 in a window, 1 fullscreen. The last of --fullscreen and --window wins.
    int fullscreen = -1;
    std::string unknown; // the first option not known
};

LaunchOptions ParseCommandLine(const std::vector<std::string>& arguments);

// The usage, in Portuguese, as single-byte Windows-1252 text (see ConsoleText).
std::string UsageText(const std::string& settingsPath);
// The line that names an unknown option, in the same encoding.
std::string UnknownOptionText(const std::string& option);
