#pragma once

#include "input/Action.h"

#include <allegro5/allegro.h>

// An on-screen control pressed or let go, as an event in the game's queue
// beside the keys: where the platform shows controls, it emits these (as a
// user event of its own source), and the game reads them like a key.
constexpr ALLEGRO_EVENT_TYPE CONTROL_EVENT = ALLEGRO_GET_EVENT_TYPE('F', 'r', 'n', 'C');

// The held direction's source for the controls (HeldDirection::Point), apart
// from every gamepad stick's number.
constexpr int CONTROL_SOURCE = -1;

// The event's fields; the source fills in the rest when it emits it.
ALLEGRO_EVENT ControlEvent(Action action, bool pressed);
Action ControlAction(const ALLEGRO_EVENT& event);
bool ControlPressed(const ALLEGRO_EVENT& event);
