#pragma once

// What the player asks of the game, whichever key, button or control asked:
// the input rule (InputRule.h) turns each of them into one of these.
enum class Action
{
    None,
    Play,         // the title menu: to the difficulty screen
    Instructions, // the title menu: how to play
    Quit,         // the title menu and the result screen: the game ends
    Back,         // the instructions: back to the title menu
    Easy,         // the difficulty screen's three levels
    Medium,
    Hard,
    Start,  // the recipe card: the round begins
    Left,   // the round: the cook steps left
    Right,  // or right
    Pause,  // the round waits
    Resume, // and goes on
    Again,  // the result screen: a new game
    Music,  // every screen: the music on or off
    Fullscreen
};
