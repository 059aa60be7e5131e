#include "platform/Platform.h"

#include <emscripten.h>

namespace
{
// The page draws a frame when the game gives control back to the browser, and
// hears keys then too. Each frame waits for the browser's next animation frame
// (the screen's own rate); a hidden page gets none, so a timeout keeps the game
// going there, at the slow pace the browser allows a hidden page.
// Animation frames come at the screen's rate, with jitter of a millisecond or two.
constexpr double SLACK = 0.004;

EM_ASYNC_JS(void, WaitForAnimationFrame, (), {
    await new Promise(function(resolve) {
        let done = false;
        const finish = function() {
            if (!done) {
                done = true;
                resolve();
            }
        };
        requestAnimationFrame(finish);
        setTimeout(finish, 100);
    });
});
}

namespace Platform
{
FramePacer::FramePacer(double framesPerSecond)
    : m_period(1.0 / framesPerSecond)
{
}

void FramePacer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    m_nextFrameTime = 0.0;
}

void FramePacer::WaitForNextFrame()
{
    if (!m_enabled)
    {
        return;
    }
    // A screen refreshed faster than 60 times a second gets a frame every
    // other refresh or so: no more frames than the game needs.
    const double now = emscripten_get_now() / 1000.0;
    if (m_nextFrameTime == 0.0 || now - m_nextFrameTime > m_period)
    {
        m_nextFrameTime = now;
    }
    m_nextFrameTime += m_period;
    do
    {
        WaitForAnimationFrame();
    } while (emscripten_get_now() / 1000.0 < m_nextFrameTime - SLACK);
}
}
