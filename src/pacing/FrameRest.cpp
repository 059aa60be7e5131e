#include "pacing/FrameRest.h"

#include <allegro5/allegro.h>

void RestUntilNextFrame(double period, double& nextFrameTime)
{
    const double now = al_get_time();
    if (nextFrameTime == 0.0 || now - nextFrameTime > period)
    {
        nextFrameTime = now + period;
        return;
    }
    if (now < nextFrameTime)
    {
        al_rest(nextFrameTime - now);
    }
    nextFrameTime += period;
}
