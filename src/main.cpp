#include "Game.h"
#include "desktop/AssetsFolder.h"
#include "desktop/CommandLine.h"
#include "desktop/SettingsPath.h"
#include "desktop/StandardStreams.h"

#include <clocale>

#ifndef FORNALINA_VERSION
#define FORNALINA_VERSION "unknown"
#endif

int main(int argc, char** argv)
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
        return answered;
    }

    if (!ChangeToAssetsRoot())
    {
        return 1;
    }
    Game game;
    game.SetSettingsPath(settingsPath);
    game.SetLaunchFullscreen(options.fullscreen);
    game.Run();
    return game.ExitStatus();
}
