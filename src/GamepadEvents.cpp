#include "Game.h"

namespace
{
// The button's name, when a real gamepad sent the event.
std::string ButtonName(const ALLEGRO_EVENT& event)
{
    const char* name =
        event.joystick.id != nullptr ? al_get_joystick_button_name(event.joystick.id, event.joystick.button) : nullptr;
    return name != nullptr ? name : "";
}
}

void Game::HandleGamepadEvent(const ALLEGRO_EVENT& event)
{
    if (event.type == ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN)
    {
        const int key = Gamepad::KeyOfButton(event.joystick.button, ButtonName(event));
        if (key != 0)
        {
            PressKeyFromGamepad(key);
        }
        return;
    }
    if (event.joystick.axis > 1)
    {
        return; // a third axis (a trigger, a throttle) means nothing here
    }
    const bool horizontal = event.joystick.axis == 0;
    Gamepad::HeldDirection& held = horizontal ? m_heldDirection : m_heldVertical;
    const Gamepad::Direction direction = Gamepad::DirectionOf(event.joystick.axis, event.joystick.pos);
    if (!held.Point(event.joystick.stick, direction, m_clock()))
    {
        return; // no new press: the repeats come with the frames
    }
    if (m_state == CHOOSE_DIFFICULTY)
    {
        // Left, up and right stand for the difficulty's 1, 2 and 3.
        const int digit = direction == Gamepad::Direction::Left    ? ALLEGRO_KEY_1
                          : direction == Gamepad::Direction::Up    ? ALLEGRO_KEY_2
                          : direction == Gamepad::Direction::Right ? ALLEGRO_KEY_3
                                                                   : 0;
        if (digit != 0)
        {
            PressKeyFromGamepad(digit);
        }
    }
    else if (m_state == PLAYING && horizontal)
    {
        RepeatHeldDirection(true);
    }
}

void Game::PressKeyFromGamepad(int keycode)
{
    // The screen takes it as the key's press: the result screen answers
    // key-down events, every other screen character events.
    ALLEGRO_EVENT key{};
    key.type = m_state == ROUND_OVER ? ALLEGRO_EVENT_KEY_DOWN : ALLEGRO_EVENT_KEY_CHAR;
    key.keyboard.keycode = keycode;
    key.keyboard.display = m_display;
    key.any.timestamp = m_clock();
    HandleEvent(key);
}

void Game::RepeatHeldDirection(bool pressedNow)
{
    const Gamepad::Direction held = m_heldDirection.Held();
    if (m_state != PLAYING || (held != Gamepad::Direction::Left && held != Gamepad::Direction::Right))
    {
        return;
    }
    if (pressedNow || m_heldDirection.RepeatDue(m_clock()))
    {
        MoveCook(held == Gamepad::Direction::Left ? ALLEGRO_KEY_LEFT : ALLEGRO_KEY_RIGHT);
    }
}
