#include "Game.h"
#include "desktop/AssetsFolder.h"
#include "desktop/CommandLine.h"
#include "desktop/Settings.h"
#include "desktop/StandardStreams.h"

#include <allegro5/allegro.h>

#include <clocale>

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
}

int main(int argc, char** argv)
{
    EnsureStandardStreams();
    // Only the character type: messages follow the terminal's encoding, while
    // numbers keep their usual form.
    std::setlocale(LC_CTYPE, "");

    const LaunchOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const bool help = options.action == LaunchOptions::Action::Help;
    const int answered = AnswerWithoutPlaying(options, help ? SettingsPathForUsage() : "", FORNALINA_VERSION);
    if (answered >= 0)
    {
        return answered;
    }

    ChangeToAssetsRoot();
    Game game;
    game.SetLaunchFullscreen(options.fullscreen);
    game.Run();
    return game.ExitStatus();
}
