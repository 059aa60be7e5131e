#include "screen/WindowEvents.h"

#include "platform/Platform.h"

WindowNews AnswerWindowEvent(const ALLEGRO_EVENT& event, ALLEGRO_DISPLAY* display, bool screenWaits)
{
    switch (event.type)
    {
    case ALLEGRO_EVENT_DISPLAY_CLOSE:
        return WindowNews::Closed;
    case ALLEGRO_EVENT_DISPLAY_RESIZE:
        if (event.display.source != display)
        {
            return WindowNews::Taken;
        }
        al_acknowledge_resize(display);
        return WindowNews::Resized;
    case ALLEGRO_EVENT_DISPLAY_EXPOSE:
    case ALLEGRO_EVENT_DISPLAY_SWITCH_IN:
    case ALLEGRO_EVENT_DISPLAY_FOUND:
        // Without a compositor a window that was hidden comes back blank, and
        // so does a display whose device was lost (Direct3D: a locked screen,
        // a driver reset) and is back.
        return WindowNews::Uncovered;
    case ALLEGRO_EVENT_JOYSTICK_CONFIGURATION:
        al_reconfigure_joysticks();
        return WindowNews::Taken;
    case ALLEGRO_EVENT_TIMER:
        if (!screenWaits)
        {
            return WindowNews::None; // the round's tick
        }
        Platform::CheckDisplay(display);
        return WindowNews::Taken;
    default:
        return WindowNews::None;
    }
}
