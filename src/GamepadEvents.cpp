#include "Game.h"

#include "input/Gamepad.h"
#include "input/InputRule.h"

void Game::HandleStick(const ALLEGRO_EVENT& event)
{
    if (event.joystick.axis > 1)
    {
        return; // a third axis (a trigger, a throttle) means nothing here
    }
    HeldDirection& held = event.joystick.axis == 0 ? m_heldDirection : m_heldVertical;
    const Direction direction = Gamepad::DirectionOf(event.joystick.axis, event.joystick.pos);
    // No new press, no action: the repeats come with the frames.
    if (held.Point(event.joystick.stick, direction, m_clock()))
    {
        Act(ActionFor(m_state, PlayerInput::Pointing(direction)));
    }
}

void Game::RepeatHeldDirection()
{
    if (m_heldDirection.RepeatDue(m_clock()))
    {
        Act(ActionFor(m_state, PlayerInput::Pointing(m_heldDirection.Held(), true)));
    }
}
