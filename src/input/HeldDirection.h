#pragma once

// Where a stick (or a held control) points: left and right move the cook, and
// on the difficulty screen left, up and right choose the level.
enum class Direction
{
    None,
    Left,
    Right,
    Up,
    Down
};

// A held direction repeats like a held arrow key: one step at once, then,
// after a short delay, steady steps until it is let go.
constexpr double REPEAT_DELAY = 0.4;
constexpr double REPEAT_INTERVAL = 0.04;

// One axis (horizontal or vertical) of whichever source last pushed it: a
// gamepad's stick, known by its number, or the on-screen controls (CONTROL_SOURCE).
class HeldDirection
{
public:
    // A source now points there on this axis (None: let go); now is in
    // seconds. True when that is a new press, which acts at once. Another
    // source resting does not let go of what this one holds.
    bool Point(int source, Direction direction, double now);
    // True when the held direction owes one more step by now (called once a
    // frame: at most one step each time).
    bool RepeatDue(double now);
    Direction Held() const
    {
        return m_direction;
    }

private:
    Direction m_direction = Direction::None;
    int m_source = 0;
    double m_nextRepeat = 0.0;
};
