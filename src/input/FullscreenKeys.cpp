#include "input/FullscreenKeys.h"

namespace
{
// The modifiers the event itself carries (key-down events carry them too):
// the keyboard's live state may already have Alt up when the event is handled.
bool AltHeld(const ALLEGRO_EVENT& event)
{
    return (event.keyboard.modifiers & (ALLEGRO_KEYMOD_ALT | ALLEGRO_KEYMOD_ALTGR)) != 0;
}
}

bool TogglesFullscreen(const ALLEGRO_EVENT& event)
{
    return event.type == ALLEGRO_EVENT_KEY_CHAR && !event.keyboard.repeat &&
           (event.keyboard.keycode == ALLEGRO_KEY_F11 || IsEnterWithAlt(event));
}

bool IsEnterWithAlt(const ALLEGRO_EVENT& event)
{
    return (event.type == ALLEGRO_EVENT_KEY_CHAR || event.type == ALLEGRO_EVENT_KEY_DOWN) &&
           event.keyboard.keycode == ALLEGRO_KEY_ENTER && AltHeld(event);
}
