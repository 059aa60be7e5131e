#include "support/DisplayCheck.h"

#include <X11/Xlib.h>

#include <cstdlib>

std::string WhyNoDisplay()
{
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0')
    {
        return "needs an X server, and DISPLAY is not set (run the tests under xvfb-run -a)";
    }
    Display* display = XOpenDisplay(name);
    if (display == nullptr)
    {
        return std::string("needs an X server, and DISPLAY=") + name + " cannot be opened";
    }
    XCloseDisplay(display);
    return std::string();
}
