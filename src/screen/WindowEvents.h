#pragma once

#include <allegro5/allegro.h>

// What the window and the devices tell a screen, rather than the player:
// every screen answers these alike, the title menu's wait included.
enum class WindowNews
{
    None,      // not such an event: the player's, or a tick of the round
    Closed,    // the window's close button: the game ends
    Resized,   // a new size, acknowledged: maybe a switch to or from fullscreen
    Uncovered, // shown again, given the focus or its lost device back: draw the screen again
    Taken      // answered here already (a gamepad plugged in or out, a waiting screen's tick)
};

// Answers what any screen answers alike: takes a gamepad that came or went,
// acknowledges a new size of display, and on a screen that waits (draws
// nothing, so would never notice) makes each tick look that the window still
// exists. Says what the event was.
WindowNews AnswerWindowEvent(const ALLEGRO_EVENT& event, ALLEGRO_DISPLAY* display, bool screenWaits);
