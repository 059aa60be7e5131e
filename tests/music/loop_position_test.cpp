#include "music/LoopPosition.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
struct Case
{
    const char* what;
    double from;
    double elapsed;
    double length;
    double position;
};

const double INF = std::numeric_limits<double>::infinity();
const double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

const Case CASES[] = {
    {"from the start, no time", 0.0, 0.0, 64.0, 0.0},
    {"decoded 0.4 s after it was to start", 0.0, 0.4, 64.0, 0.4},
    {"switched off at 10 s, on again, decoded later", 10.0, 2.5, 64.0, 12.5},
    {"past the end: round again", 60.0, 10.0, 64.0, 6.0},
    {"many loops", 0.0, 64.0 * 3 + 1.0, 64.0, 1.0},
    {"exactly at the end is the start", 0.0, 64.0, 64.0, 0.0},
    {"a start past the length, as kept before the length was known", 70.0, 0.0, 64.0, 6.0},
    {"a clock that went back counts as no time", 5.0, -1.0, 64.0, 5.0},
    {"no length yet: the start", 5.0, 1.0, 0.0, 0.0},
    {"a broken length", 5.0, 1.0, NOT_A_NUMBER, 0.0},
    {"an endless length", 5.0, 1.0, INF, 0.0},
    {"a broken clock", 5.0, NOT_A_NUMBER, 64.0, 5.0},
    {"an endless time", 5.0, INF, 64.0, 0.0},
    {"a negative start", -3.0, 1.0, 64.0, 0.0},
};
}

TEST(LoopPosition, IsWhereTheMusicWouldBe)
{
    for (const Case& c : CASES)
    {
        const double position = LoopPosition(c.from, c.elapsed, c.length);
        EXPECT_NEAR(position, c.position, 1e-9) << c.what;
        if (c.length > 0.0 && c.length < INF)
        {
            EXPECT_GE(position, 0.0) << c.what;
            EXPECT_LT(position, c.length) << c.what;
        }
    }
}
