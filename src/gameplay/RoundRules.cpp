#include "gameplay/RoundRules.h"

#include <cmath>

namespace RoundRules
{
StepsOwed UpdateStepsOwed(double elapsed, double carry)
{
    const double owed = (elapsed > 0.0 ? elapsed : 0.0) + carry;
    const int steps = static_cast<int>(std::floor((owed + STEP_TOLERANCE) / UPDATE_STEP));
    if (steps > MAX_UPDATES_PER_PASS)
    {
        // Whatever lies beyond the last step is dropped, not caught up later.
        return {MAX_UPDATES_PER_PASS, 0.0};
    }
    if (steps <= 0)
    {
        return {0, owed};
    }
    return {steps, owed - steps * UPDATE_STEP};
}
}
