#include "input/HeldDirection.h"

bool HeldDirection::Point(int source, Direction direction, double now)
{
    if (direction == m_direction || (direction == Direction::None && source != m_source))
    {
        return false;
    }
    m_direction = direction;
    m_source = source;
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
