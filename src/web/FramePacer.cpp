#include "platform/Platform.h"

#include <emscripten.h>

namespace
{
// The page draws a frame when the game gives control back to the browser, and
// hears keys then too. Each frame waits for the browser's next animation frame
// (the screen's own rate); a hidden page gets none, so a timeout keeps the game
// going there, at the slow pace the browser allows a hidden page.
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
    if (m_enabled)
    {
        WaitForAnimationFrame();
    }
}
}
