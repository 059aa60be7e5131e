#include "input/Gamepad.h"

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

Button ButtonOf(int index, const std::string& name)
{
    const std::string lower = Lowercase(name);
    if (lower == "a" || lower == "btn_a" || lower == "btn_south" || lower == "south")
    {
        return Button::South;
    }
    if (lower == "b" || lower == "btn_b" || lower == "btn_east" || lower == "east")
    {
        return Button::East;
    }
    if (lower == "start" || lower == "btn_start")
    {
        return Button::Start;
    }
    const bool named = !lower.empty() && !(lower[0] == 'b' && lower.size() > 1 && std::isdigit(lower[1]));
    if (named)
    {
        return Button::None; // a button the driver names, and it is none of ours
    }
    switch (index)
    {
    case 0:
        return Button::South;
    case 1:
        return Button::East;
    case 7:
        return Button::Start;
    default:
        return Button::None;
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
}
