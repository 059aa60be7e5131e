#pragma once

#include <string>

// What a gamepad's buttons and sticks mean to the game: each stands for the
// key that does the same, so every screen answers them as it answers keys.
namespace Gamepad
{
// The key a button stands for: ENTER for the south button (A), ESCAPE for the
// east one (B), P for Start; 0 for any other. Buttons are known by the name the
// driver gives them when it names them ("A", "B", "Start"), otherwise by the
// usual order of a gamepad's buttons (south 0, east 1, Start 7).
int KeyOfButton(int index, const std::string& name);

enum class Direction
{
    None,
    Left,
    Right,
    Up,
    Down
};

// The direction a stick's axis points to, or None near its middle.
// Axis 0 is horizontal, axis 1 vertical; position runs from -1 to 1.
Direction DirectionOf(int axis, float position);

// A held direction repeats like a held arrow key: one step at once, then,
// after a short delay, steady steps until it is let go.
constexpr double REPEAT_DELAY = 0.4;
constexpr double REPEAT_INTERVAL = 0.04;

// One axis (horizontal or vertical) of whichever stick last pushed it.
class HeldDirection
{
public:
    // A stick now points there on this axis (None: let go); now is in seconds.
    // True when that is a new press, which acts at once. Another stick resting
    // does not let go of what this one holds.
    bool Point(int stick, Direction direction, double now);
    // True when the held direction owes one more step by now (called once a
    // frame: at most one step each time).
    bool RepeatDue(double now);
    Direction Held() const
    {
        return m_direction;
    }

private:
    Direction m_direction = Direction::None;
    int m_stick = 0;
    double m_nextRepeat = 0.0;
};
}
