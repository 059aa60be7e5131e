#include "desktop/DisplayLoss.h"

#include "desktop/ConsoleText.h"

#if defined(ALLEGRO_UNIX) && !defined(ALLEGRO_MACOSX) && !defined(ALLEGRO_ANDROID)
#include <allegro5/allegro_x.h>

#include <X11/Xlib.h>

#include <mutex>
#include <unistd.h>

namespace
{
// "á" and "ã" as single bytes, like every start-up message.
const char* const DISPLAY_LOST = "Falha na conex\xE3o com a janela.\n";

// The library's thread and the game's often meet the lost connection at the
// same moment. The first one writes the line and ends the process; the others
// wait here for that end, so none can end it before the line is out.
[[noreturn]] void EndNow()
{
    static std::mutex ending;
    ending.lock();
    WriteFailureMessage(DISPLAY_LOST);
    _exit(1);
}

int OnConnectionLost(Display*)
{
    EndNow();
}

// Every X error the game gets is about its window or its drawing, and Xlib's
// default answer to one is to end the program anyway.
int OnRequestFailed(Display*, XErrorEvent*)
{
    EndNow();
}

// A connection of the game's own, for asking about its window without racing
// the library's thread on the library's connection.
Display* CheckingConnection()
{
    static Display* connection = XOpenDisplay(nullptr);
    return connection;
}
}

void EndGameWhenDisplayIsLost()
{
    XSetIOErrorHandler(OnConnectionLost);
    XSetErrorHandler(OnRequestFailed);
}

void CheckWindowStillExists(ALLEGRO_DISPLAY* display)
{
    Display* connection = CheckingConnection();
    if (display == nullptr || connection == nullptr)
    {
        return;
    }
    XWindowAttributes attributes;
    // A destroyed window answers with an error, which ends the game.
    XGetWindowAttributes(connection, static_cast<Window>(al_get_x_window_id(display)), &attributes);
}
#else
void EndGameWhenDisplayIsLost() {}

void CheckWindowStillExists(ALLEGRO_DISPLAY*) {}
#endif
