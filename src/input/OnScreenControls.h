#pragma once

#include "input/Action.h"
#include "input/HeldDirection.h"

#include <vector>

// The buttons a touch screen shows for each screen, in place of the keys.
// The page draws them; each asks the game for its action through the input
// rule (PlayerInput::Touched), which offers a control only where this table
// shows it.
struct OnScreenControl
{
    enum class Side
    {
        Left, // under the left thumb
        Right // under the right thumb: the screen's own choices
    };

    const char* name; // in Portuguese, UTF-8: what it reads and what a screen reader says
    Action action;
    Side side; // on its side, controls stand top to bottom in the table's order
};

// The controls of a screen (a GameState); none before the game starts or once it quits.
std::vector<OnScreenControl> ControlsOf(int screen);

// Where a control walks the cook while it is held (one step, then the repeats
// of a held arrow key); Direction::None for a control that acts once when pressed.
Direction HeldDirectionOf(Action action);
