#pragma once

// Counts the round's fixed update steps against real time, so that the round
// runs at the same speed however fast frames come (see RoundRules).
class UpdateClock
{
public:
    // The steps owed at `now` (seconds) since the last call; the first call
    // after Stop owes exactly one and starts counting from that moment.
    int StepsOwed(double now);
    // The round stopped running (pause, another screen): its time is not owed.
    void Stop();

private:
    bool m_running = false;
    double m_last = 0.0;
    double m_carry = 0.0;
};
