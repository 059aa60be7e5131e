#include "AssetsFolder.h"
#include "Game.h"

int main()
{
    ChangeToAssetsRoot();
    Game game;
    game.Run();
    return 0;
}
