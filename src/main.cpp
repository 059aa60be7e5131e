#include "AssetsFolder.h"
#include "Game.h"

#include <clocale>

int main()
{
    // Only the character type: messages follow the terminal's encoding, while
    // numbers keep their usual form.
    std::setlocale(LC_CTYPE, "");
    ChangeToAssetsRoot();
    Game game;
    game.Run();
    return game.ExitStatus();
}
