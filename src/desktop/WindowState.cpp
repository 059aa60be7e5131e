#include "desktop/WindowState.h"

#if defined(ALLEGRO_UNIX) && !defined(ALLEGRO_MACOSX) && !defined(ALLEGRO_ANDROID)
#include <allegro5/allegro_x.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace
{
// A connection of the game's own, for asking about its window without racing
// the library's thread on the library's connection.
Display* StateConnection()
{
    static Display* connection = XOpenDisplay(nullptr);
    return connection;
}
}

bool WindowIsFullscreen(ALLEGRO_DISPLAY* display)
{
    Display* connection = StateConnection();
    if (display == nullptr || connection == nullptr)
    {
        return false;
    }
    // A window manager that makes a window fill the screen says so in the
    // window's _NET_WM_STATE; without one, nobody does.
    const Atom state = XInternAtom(connection, "_NET_WM_STATE", True);
    const Atom fullscreen = XInternAtom(connection, "_NET_WM_STATE_FULLSCREEN", True);
    if (state == None || fullscreen == None)
    {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const Window window = static_cast<Window>(al_get_x_window_id(display));
    bool found = false;
    if (XGetWindowProperty(connection, window, state, 0, 64, False, XA_ATOM, &type, &format, &count, &left, &data) ==
            Success &&
        data != nullptr && type == XA_ATOM && format == 32)
    {
        const Atom* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i)
        {
            found = atoms[i] == fullscreen;
        }
    }
    if (data != nullptr)
    {
        XFree(data);
    }
    return found;
}
#else
bool WindowIsFullscreen(ALLEGRO_DISPLAY* display)
{
    return display != nullptr && (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
}
#endif
