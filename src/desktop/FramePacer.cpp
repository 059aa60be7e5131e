#include "platform/Platform.h"

#include <allegro5/allegro.h>

namespace Platform
{
void FramePacer::WaitForNextFrame()
{
    if (!m_enabled)
    {
        return;
    }
    const double now = al_get_time();
    if (m_nextFrameTime == 0.0 || now - m_nextFrameTime > m_period)
    {
        // First frame, or far behind (a screen that waited for a key, a stall):
        // start a new cadence instead of rushing frames to catch up.
        m_nextFrameTime = now + m_period;
        return;
    }
    if (now < m_nextFrameTime)
    {
        al_rest(m_nextFrameTime - now);
    }
    m_nextFrameTime += m_period;
}
}
