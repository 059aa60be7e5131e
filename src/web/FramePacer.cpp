#include "platform/Platform.h"

#include <emscripten.h>

namespace
{
// Animation frames come at the screen's rate, with jitter of a millisecond or two.
constexpr double SLACK = 0.002;

// The page draws a frame when the game gives control back to the browser, and
// hears keys then too. Each frame waits for the browser's next animation
// frame and answers its time, in seconds. A hidden page gets none: the game
// waits there too (its round paused as the page was hidden).
EM_ASYNC_JS(double, WaitForAnimationFrame, (), {
    return await new Promise(function(resolve) { requestAnimationFrame(function(time) { resolve(time / 1000); }); });
});
}

namespace Platform
{
void FramePacer::WaitForNextFrame()
{
    if (!m_enabled)
    {
        return;
    }
    // Timed by the animation frames themselves, not by when drawing ended: a
    // screen refreshed faster than 60 times a second gets a frame every other
    // refresh or so, and a 60-Hz one every refresh.
    double frameTime = WaitForAnimationFrame();
    while (m_nextFrameTime != 0.0 && frameTime < m_nextFrameTime - SLACK)
    {
        frameTime = WaitForAnimationFrame();
    }
    const bool farBehind = m_nextFrameTime == 0.0 || frameTime - m_nextFrameTime > m_period;
    m_nextFrameTime = (farBehind ? frameTime : m_nextFrameTime) + m_period;
}
}
