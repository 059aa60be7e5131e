/* Asks an X window to close as a window manager's close button does: a
 * WM_DELETE_WINDOW client message (Wine turns it into the window's WM_CLOSE).
 * close-window WINDOW_ID; the display is $DISPLAY. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    Display* display = argc == 2 ? XOpenDisplay(NULL) : NULL;
    if (display == NULL)
    {
        fprintf(stderr, "usage: DISPLAY=... close-window WINDOW_ID\n");
        return 2;
    }
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = (Window)strtoul(argv[1], NULL, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
