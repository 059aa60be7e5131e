#pragma once

#include <allegro5/allegro.h>

// F11 and Alt+Enter switch between the window and fullscreen on every screen.

// True for a press (not a repeat) of F11 or of Enter with Alt held.
bool TogglesFullscreen(const ALLEGRO_EVENT& event);

// True for an Enter event while Alt is held: it belongs to the fullscreen
// switch, and no screen may take it for its own ENTER.
bool IsEnterWithAlt(const ALLEGRO_EVENT& event);
