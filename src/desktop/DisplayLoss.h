#pragma once

#include <allegro5/allegro.h>

// What happens when the game's window goes away under it: the X server dies
// (a logout, a crash), another program kills the game's connection (xkill) or
// destroys its window. Xlib's own answer is exit() from whichever thread hit
// the broken connection, which runs the process's clean-up while the game's
// thread still uses what it frees: a crash or a hang. Instead the game says so
// in one line and ends at once with status 1, touching nothing.

// Installs that answer for the whole process. Call before the library starts.
void EndGameWhenDisplayIsLost();

// Checks that the window still exists, and ends the game as above when it does
// not. For screens that draw nothing while they wait (the title menu), which
// would otherwise never notice.
void CheckWindowStillExists(ALLEGRO_DISPLAY* display);
