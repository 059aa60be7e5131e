#include "pacing/FrameRest.h"
#include "platform/Platform.h"

namespace Platform
{
void FramePacer::WaitForNextFrame()
{
    if (m_enabled)
    {
        RestUntilNextFrame(m_period, m_nextFrameTime);
    }
}
}
