#pragma once

#include "input/Action.h"
#include "input/Gamepad.h"
#include "input/HeldDirection.h"

#include <allegro5/allegro.h>

// What the player did, on whichever device. The input rule (InputRule.h)
// says what it does on the screen shown.
struct PlayerInput
{
    enum class Kind
    {
        None,      // nothing the player did (a tick, the window, a key let go)
        KeyChar,   // a key's character event: its press, or a repeat while held
        KeyDown,   // a key's press, never repeated
        PadButton, // a gamepad's button pressed
        Pointed,   // a stick newly pointing somewhere, or a held one repeating
        Control    // an on-screen control asking for its action
    };

    static PlayerInput Char(int keycode, unsigned modifiers = 0, bool repeated = false);
    static PlayerInput KeyDown(int keycode, unsigned modifiers = 0);
    static PlayerInput Pressed(Gamepad::Button button);
    static PlayerInput Pointing(Direction direction, bool repeated = false);
    static PlayerInput Touched(Action control);

    Kind kind = Kind::None;
    int keycode = 0;        // KeyChar, KeyDown: the Allegro key code
    unsigned modifiers = 0; // KeyChar, KeyDown: the ALLEGRO_KEYMOD_ flags the event carried
    bool repeated = false;  // KeyChar, Pointed: a repeat of what is held
    Gamepad::Button button = Gamepad::Button::None;
    Direction direction = Direction::None;
    Action control = Action::None;
};

// The input a key, button or on-screen control event is; Kind::None for any
// other event (a stick's moves become inputs through a HeldDirection, which
// knows where it pointed before) and for a control let go.
PlayerInput InputOf(const ALLEGRO_EVENT& event);
