#include "platform/Platform.h"

#include "desktop/AssetsFolder.h"
#include "desktop/CommandLine.h"
#include "desktop/ConsoleText.h"
#include "desktop/Settings.h"

#include <allegro5/allegro.h>

#include <clocale>
#include <cstdio>

#ifndef FORNALINA_VERSION
#define FORNALINA_VERSION "unknown"
#endif

namespace
{
// Where the settings live, for the usage: the library knows the user's
// settings folder, so it is started for this one question.
std::string SettingsPathForUsage()
{
    if (!al_install_system(ALLEGRO_VERSION_INT, nullptr))
    {
        return "?";
    }
    const std::string path = SettingsFile::DefaultPath();
    al_uninstall_system();
    return path;
}

Platform::Launch EndWith(int exitStatus)
{
    Platform::Launch launch;
    launch.play = false;
    launch.exitStatus = exitStatus;
    return launch;
}
}

namespace Platform
{
Launch PrepareLaunch(int argc, char** argv)
{
    // Only the character type: messages follow the terminal's encoding, while
    // numbers keep their usual form.
    std::setlocale(LC_CTYPE, "");

    const LaunchOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action)
    {
    case LaunchOptions::Action::Help:
        WriteText(stdout, UsageText(SettingsPathForUsage()));
        return EndWith(0);
    case LaunchOptions::Action::Version:
        std::printf("fornalina %s\n", FORNALINA_VERSION);
        return EndWith(0);
    case LaunchOptions::Action::Unknown:
        WriteText(stderr, UnknownOptionText(options.unknown));
        return EndWith(2);
    case LaunchOptions::Action::Play:
        break;
    }

    ChangeToAssetsRoot();
    Launch launch;
    launch.fullscreen = options.fullscreen;
    return launch;
}

int EndLaunch(int exitStatus)
{
    return exitStatus;
}
}
