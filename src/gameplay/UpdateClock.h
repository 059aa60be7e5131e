#pragma once

#include <functional>

// Counts the round's fixed update steps against real time, so that the round
// runs at the same speed however fast frames come (see RoundRules).
class UpdateClock
{
public:
    UpdateClock();

    // The steps owed since the last call; the first call after construction
    // or Stop owes exactly one and starts counting from that moment.
    int StepsOwed();
    // The round stopped running (pause, another screen): its time is not owed.
    void Stop();
    // Where the time comes from; Allegro's clock unless replaced (a test's own).
    void SetTimeSource(std::function<double()> now);

private:
    std::function<double()> m_now;
    bool m_running = false;
    double m_last = 0.0;
    double m_carry = 0.0;
};
