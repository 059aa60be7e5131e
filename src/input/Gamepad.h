#pragma once

#include "input/HeldDirection.h"

#include <string>

// What a gamepad's buttons and sticks are; the input rule says what they do.
namespace Gamepad
{
enum class Button
{
    None,  // a button the game has no use for
    South, // A
    East,  // B
    Start
};

// The button at that index. Buttons are known by the name the driver gives
// them when it names them ("A", "B", "Start"), otherwise by the usual order of
// a gamepad's buttons (south 0, east 1, Start 7).
Button ButtonOf(int index, const std::string& name);

// The direction a stick's axis points to, or None near its middle.
// Axis 0 is horizontal, axis 1 vertical; position runs from -1 to 1.
Direction DirectionOf(int axis, float position);
}
