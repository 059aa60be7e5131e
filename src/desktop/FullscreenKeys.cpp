#include "desktop/FullscreenKeys.h"

namespace
{
bool AltHeld(const ALLEGRO_EVENT& event)
{
    if (event.type == ALLEGRO_EVENT_KEY_CHAR)
    {
        return (event.keyboard.modifiers & (ALLEGRO_KEYMOD_ALT | ALLEGRO_KEYMOD_ALTGR)) != 0;
    }
    // Key-down events carry no modifiers: ask the keyboard.
    ALLEGRO_KEYBOARD_STATE keyboard;
    al_get_keyboard_state(&keyboard);
    return al_key_down(&keyboard, ALLEGRO_KEY_ALT) || al_key_down(&keyboard, ALLEGRO_KEY_ALTGR);
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
