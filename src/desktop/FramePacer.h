#pragma once

// Keeps frames at a steady rate of at most 60 a second, so that the game spends
// no more than it needs (movement follows real time, see UpdateClock). After
// each presented frame it sleeps until the next slot (never spinning), unless
// vsync already took that long.
class FramePacer
{
public:
    explicit FramePacer(double framesPerSecond = 60.0);

    // Sleeps, when needed, until the next frame may start.
    void WaitForNextFrame();
    // Off: frames run back to back (fast-forward for tests and benchmarks).
    void SetEnabled(bool enabled);

private:
    double m_period;
    double m_nextFrameTime = 0.0;
    bool m_enabled = true;
};
