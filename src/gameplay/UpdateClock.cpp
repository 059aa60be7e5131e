#include "gameplay/UpdateClock.h"

#include "gameplay/RoundRules.h"

int UpdateClock::StepsOwed(double now)
{
    if (!m_running)
    {
        m_running = true;
        m_last = now;
        m_carry = 0.0;
        return 1;
    }
    const RoundRules::StepsOwed owed = RoundRules::UpdateStepsOwed(now - m_last, m_carry);
    m_last = now;
    m_carry = owed.carry;
    return owed.steps;
}

void UpdateClock::Stop()
{
    m_running = false;
}
