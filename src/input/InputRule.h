#pragma once

#include "input/Action.h"
#include "input/PlayerInput.h"

// The one rule from what the player did to what the game does: every input
// (keys, gamepad, on-screen controls) on every screen asks it, and acts on its
// answer. screen is a GameState; Action::None means the input does nothing
// there.
//
// Keys: F11, and Enter with Alt held, switch fullscreen on every screen
// (pressed, not repeated), and no screen takes that Enter for its own. The
// result screen answers key-down events, every other screen character events,
// so that a key held from the round cannot skip the result. M switches the
// music everywhere, once per press, as do the pause keys; arrows, digits and
// ENTER act on their repeats too.
Action ActionFor(int screen, const PlayerInput& input);
