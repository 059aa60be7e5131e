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
    std::string unknown; // the first option not known (an empty argument is one)
};

// Any option not known wins, wherever it stands; otherwise the first of --help
// and --version.
LaunchOptions ParseCommandLine(const std::vector<std::string>& arguments);

// The usage, in Portuguese, as the console shows it (UTF-8 when utf8), naming
// the settings file as its own bytes ("" : none is kept).
std::string UsageText(const std::string& settingsPath, bool utf8);
// The line that names an unknown option, the option shown as EscapedUserText.
std::string UnknownOptionText(const std::string& option, bool utf8);
