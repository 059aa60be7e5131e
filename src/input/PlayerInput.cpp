#include "input/PlayerInput.h"

#include "input/ControlEvent.h"

#include <string>

PlayerInput PlayerInput::Char(int keycode, unsigned modifiers, bool repeated)
{
    PlayerInput input;
    input.kind = Kind::KeyChar;
    input.keycode = keycode;
    input.modifiers = modifiers;
    input.repeated = repeated;
    return input;
}

PlayerInput PlayerInput::KeyDown(int keycode, unsigned modifiers)
{
    PlayerInput input;
    input.kind = Kind::KeyDown;
    input.keycode = keycode;
    input.modifiers = modifiers;
    return input;
}

PlayerInput PlayerInput::Pressed(Gamepad::Button button)
{
    PlayerInput input;
    input.kind = Kind::PadButton;
    input.button = button;
    return input;
}

PlayerInput PlayerInput::Pointing(Direction direction, bool repeated)
{
    PlayerInput input;
    input.kind = Kind::Pointed;
    input.direction = direction;
    input.repeated = repeated;
    return input;
}

PlayerInput PlayerInput::Touched(Action control)
{
    PlayerInput input;
    input.kind = Kind::Control;
    input.control = control;
    return input;
}

PlayerInput InputOf(const ALLEGRO_EVENT& event)
{
    switch (event.type)
    {
    case ALLEGRO_EVENT_KEY_CHAR:
        return PlayerInput::Char(event.keyboard.keycode, event.keyboard.modifiers, event.keyboard.repeat);
    case ALLEGRO_EVENT_KEY_DOWN:
        // Key-down events carry the modifiers too: the keyboard's live state
        // may already have Alt up when the event is handled.
        return PlayerInput::KeyDown(event.keyboard.keycode, event.keyboard.modifiers);
    case ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN:
    {
        // A real gamepad names its buttons; an event made without one has no id.
        const char* name = event.joystick.id != nullptr
                               ? al_get_joystick_button_name(event.joystick.id, event.joystick.button)
                               : nullptr;
        return PlayerInput::Pressed(Gamepad::ButtonOf(event.joystick.button, name != nullptr ? name : ""));
    }
    case CONTROL_EVENT:
        // A control acts when pressed; letting go matters to a held one only.
        return ControlPressed(event) ? PlayerInput::Touched(ControlAction(event)) : PlayerInput();
    default:
        return PlayerInput();
    }
}
