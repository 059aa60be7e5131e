#pragma once

// The values of Game::m_state: which screen the game is on.
enum GameState : int
{
    NOT_STARTED = 0,       // constructed, Run not called yet
    UNUSED_STATE = 1,      // no screen has it; the numbers of the others are fixed
    PAUSED = 2,            // the round frozen under the pause picture
    TITLE_MENU = 3,        // the menu waits for ENTER, I, ESCAPE or M
    PLAYING = 4,           // get-ready count, then the running round
    QUIT = 5,              // final: the main loop ends
    ROUND_OVER = 6,        // "Ganhou!" or "Perdeu!"
    SHOW_RECIPE = 7,       // the recipe card until ENTER
    CHOOSE_DIFFICULTY = 8, // waits for 1, 2 or 3
    INSTRUCTIONS = 9       // how to play, until ESCAPE
};
