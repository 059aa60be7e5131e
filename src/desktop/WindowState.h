#pragma once

#include <allegro5/allegro.h>

// Whether the game's window really fills the screen now, as the window manager
// has it. The library's own flag says what was last asked for, even when no
// window manager acted on it, and misses a switch the window manager made by
// itself (its own keys, a taskbar).
bool WindowIsFullscreen(ALLEGRO_DISPLAY* display);
