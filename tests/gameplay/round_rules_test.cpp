#include "gameplay/RoundRules.h"

#include <gtest/gtest.h>

using namespace RoundRules;

TEST(SpawnColumns, KeepTheWholePictureOnScreenAndWithinReach)
{
    struct Case
    {
        int width;
        int draw;
        int column;
    };
    const Case cases[] = {
        {30, 0, 0},      {30, 770, 770}, {30, 771, 0},  {30, 799, 28}, // 30-px sprites: 0 to 770
        {30, 2147483647, 2147483647 % 771},
        {800, 12345, 0}, {900, 7, 0},                                   // as wide as the screen
        {0, 799, 799},   {0, 800, 0},                                   // a picture that did not load
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(SpawnColumn(c.draw, c.width), c.column) << "width " << c.width << ", draw " << c.draw;
    }
    EXPECT_EQ(LastSpawnColumn(30), 770);
    EXPECT_EQ(LastSpawnColumn(1), 799);
}

TEST(UpdateSteps, FollowRealTimeInStepsOfASixtiethAtMostFourAPass)
{
    struct Case
    {
        double elapsed;
        double carry;
        int steps;
        double carryAfter;
    };
    const double step = 1.0 / 60.0;
    const Case cases[] = {
        {step, 0.0, 1, 0.0},
        {step - 0.0015, 0.0, 1, -0.0015},       // a frame a little early still gets its step
        {step + 0.0015, 0.0, 1, 0.0015},        // and a little late too
        {step - 0.0015, -0.0015, 0, step - 0.003}, // early twice in a row: the second waits
        {0.030, 0.0, 1, 0.030 - step},          // frames of 30 ms: 1, then 2 ...
        {0.030, 0.030 - step, 2, 0.060 - 3 * step},
        {0.0, 0.0, 0, 0.0},
        {-1.0, 0.0, 0, 0.0},                    // a clock that went back owes nothing
        {4 * step, 0.0, 4, 0.0},
        {1.0, 0.0, 4, 0.0},                     // a long stall: four steps and the rest dropped
    };
    for (const Case& c : cases)
    {
        const StepsOwed owed = UpdateStepsOwed(c.elapsed, c.carry);
        EXPECT_EQ(owed.steps, c.steps) << c.elapsed << " s after carrying " << c.carry;
        EXPECT_NEAR(owed.carry, c.carryAfter, 1e-9) << c.elapsed << " s after carrying " << c.carry;
    }
}

TEST(UpdateSteps, AddUpToSixtyASecondWhateverTheFrameRate)
{
    for (const double frame : {1.0 / 144, 1.0 / 75, 1.0 / 60, 1.0 / 50, 0.030, 1.0 / 20})
    {
        int steps = 0;
        double carry = 0.0;
        for (double time = 0.0; time < 10.0 - 1e-9; time += frame)
        {
            const StepsOwed owed = UpdateStepsOwed(frame, carry);
            steps += owed.steps;
            carry = owed.carry;
        }
        EXPECT_NEAR(steps, 600, 1) << "frames of " << frame << " s";
    }
}
