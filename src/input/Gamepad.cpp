#include "input/Gamepad.h"

#include <allegro5/keycodes.h>

#include <algorithm>
#include <cctype>

namespace Gamepad
{
namespace
{
std::string Lowercase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Beyond this, a stick counts as pushed; below, as resting.
constexpr float DEAD_ZONE = 0.5f;
}

int KeyOfButton(int index, const std::string& name)
{
    const std::string lower = Lowercase(name);
    if (lower == "a" || lower == "btn_a" || lower == "btn_south" || lower == "south")
    {
        return ALLEGRO_KEY_ENTER;
    }
    if (lower == "b" || lower == "btn_b" || lower == "btn_east" || lower == "east")
    {
        return ALLEGRO_KEY_ESCAPE;
    }
    if (lower == "start" || lower == "btn_start")
    {
        return ALLEGRO_KEY_P;
    }
    const bool named = !lower.empty() && !(lower[0] == 'b' && lower.size() > 1 && std::isdigit(lower[1]));
    if (named)
    {
        return 0; // a button the driver names, and it is none of ours
    }
    switch (index)
    {
    case 0:
        return ALLEGRO_KEY_ENTER;
    case 1:
        return ALLEGRO_KEY_ESCAPE;
    case 7:
        return ALLEGRO_KEY_P;
    default:
        return 0;
    }
}

Direction DirectionOf(int axis, float position)
{
    if (position > -DEAD_ZONE && position < DEAD_ZONE)
    {
        return Direction::None;
    }
    if (axis == 0)
    {
        return position < 0 ? Direction::Left : Direction::Right;
    }
    if (axis == 1)
    {
        return position < 0 ? Direction::Up : Direction::Down;
    }
    return Direction::None;
}

bool HeldDirection::Point(int stick, Direction direction, double now)
{
    if (direction == m_direction || (direction == Direction::None && stick != m_stick))
    {
        return false;
    }
    m_direction = direction;
    m_stick = stick;
    m_nextRepeat = now + REPEAT_DELAY;
    return direction != Direction::None;
}

bool HeldDirection::RepeatDue(double now)
{
    if (m_direction == Direction::None || now < m_nextRepeat)
    {
        return false;
    }
    m_nextRepeat += REPEAT_INTERVAL;
    if (m_nextRepeat < now)
    {
        m_nextRepeat = now + REPEAT_INTERVAL; // a stall does not pile up steps
    }
    return true;
}
}
