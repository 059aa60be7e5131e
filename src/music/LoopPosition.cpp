#include "music/LoopPosition.h"

#include <cmath>

double LoopPosition(double from, double elapsed, double length)
{
    if (!(length > 0.0) || !std::isfinite(length))
    {
        return 0.0;
    }
    const double played = from + (elapsed > 0.0 ? elapsed : 0.0);
    if (!std::isfinite(played) || played < 0.0)
    {
        return 0.0;
    }
    const double position = std::fmod(played, length);
    // fmod of a value a hair under a multiple of the length can round up to it.
    return position < length ? position : 0.0;
}
