#include "platform/Platform.h"

#include "desktop/AssetsFolder.h"
#include "desktop/CommandLineAnswer.h"
#include "desktop/Settings.h"
#include "desktop/SettingsPath.h"
#include "desktop/StandardStreams.h"

#include <clocale>

#ifndef FORNALINA_VERSION
#define FORNALINA_VERSION "unknown"
#endif

namespace
{
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
    EnsureStandardStreams();
    // Only the character type: messages follow the terminal's encoding, while
    // numbers keep their usual form.
    std::setlocale(LC_CTYPE, "");

    // Decided before the working folder moves: it never depends on that folder.
    const std::string settingsPath = UserSettingsPath();
    const LaunchOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const int answered = AnswerWithoutPlaying(options, settingsPath, FORNALINA_VERSION);
    if (answered >= 0)
    {
        return EndWith(answered);
    }
    if (!ChangeToAssetsRoot())
    {
        return EndWith(1);
    }
    UseSettingsFile(settingsPath);
    Launch launch;
    launch.fullscreen = options.fullscreen;
    return launch;
}

int EndLaunch(int exitStatus)
{
    return exitStatus;
}
}
