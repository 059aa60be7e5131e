#include "Game.h"

#include "input/ControlEvent.h"
#include "input/Gamepad.h"
#include "input/InputRule.h"
#include "input/OnScreenControls.h"

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

void Game::HandleControl(const ALLEGRO_EVENT& event)
{
    const Action action = ControlAction(event);
    const Direction direction = HeldDirectionOf(action);
    if (direction == Direction::None)
    {
        Act(ActionFor(m_state, InputOf(event))); // pressed: its action; let go: nothing
        return;
    }
    // Held, it walks the cook as a held stick does, until it is let go.
    if (m_heldDirection.Point(CONTROL_SOURCE, ControlPressed(event) ? direction : Direction::None, m_clock()))
    {
        Act(ActionFor(m_state, PlayerInput::Touched(action)));
    }
}

void Game::RepeatHeldDirection()
{
    if (m_heldDirection.RepeatDue(m_clock()))
    {
        Act(ActionFor(m_state, PlayerInput::Pointing(m_heldDirection.Held(), true)));
    }
}
