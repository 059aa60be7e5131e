#include "Game.h"
#include "platform/Platform.h"

int main(int argc, char** argv)
{
    const Platform::Launch launch = Platform::PrepareLaunch(argc, argv);
    if (!launch.play)
    {
        return launch.exitStatus;
    }
    Game game;
    game.SetLaunchFullscreen(launch.fullscreen);
    game.Run();
    return Platform::EndLaunch(game.ExitStatus());
}
