#include "input/ControlEvent.h"

ALLEGRO_EVENT ControlEvent(Action action, bool pressed)
{
    ALLEGRO_EVENT event{};
    event.user.type = CONTROL_EVENT;
    event.user.data1 = static_cast<intptr_t>(action);
    event.user.data2 = pressed ? 1 : 0;
    return event;
}

Action ControlAction(const ALLEGRO_EVENT& event)
{
    // Only the actions there are: a page's number out of range asks for nothing.
    const intptr_t value = event.user.data1;
    return value > static_cast<intptr_t>(Action::None) && value <= static_cast<intptr_t>(Action::Fullscreen)
               ? static_cast<Action>(value)
               : Action::None;
}

bool ControlPressed(const ALLEGRO_EVENT& event)
{
    return event.user.data2 != 0;
}
