#include "gameplay/RoundRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace RoundRules;

TEST(Catching, RectanglesAreHalfOpenAndPositionsTruncated)
{
    struct Case
    {
        const char* what;
        float cookX;
        int cookWidth; // 100 facing left, 90 facing right
        float x, y;    // the ingredient's, 30 × 30
        bool overlap;
    };
    // The cook stands at y 465 and is 120 high.
    const Case cases[] = {
        {"touching the left edge", 350.0f, 100, 320.0f, 465.0f, false},
        {"one column over the left edge", 350.0f, 100, 321.0f, 465.0f, true},
        {"touching the right edge", 350.0f, 100, 450.0f, 465.0f, false},
        {"one column over the right edge", 350.0f, 100, 449.0f, 465.0f, true},
        {"449.9 counts as column 449", 350.0f, 100, 449.9f, 465.0f, true},
        {"touching the top", 350.0f, 100, 400.0f, 435.0f, false},
        {"one row over the top", 350.0f, 100, 400.0f, 436.0f, true},
        {"touching the bottom", 350.0f, 100, 400.0f, 585.0f, false},
        {"one row over the bottom", 350.0f, 100, 400.0f, 584.0f, true},
        {"touching a corner", 350.0f, 100, 320.0f, 435.0f, false},
        {"a cook at 349.9 ends before column 449", 349.9f, 100, 449.0f, 465.0f, false},
        {"facing right the cook is 90 wide", 350.0f, 90, 440.0f, 465.0f, false},
        {"one column into the right-facing cook", 350.0f, 90, 439.0f, 465.0f, true},
        {"a picture that did not load overlaps nothing", 350.0f, 0, 350.0f, 465.0f, false},
    };
    for (const Case& c : cases)
    {
        const Rectangle cook = PictureRectangle(c.cookX, 465.0f, c.cookWidth, c.cookWidth == 0 ? 0 : 120);
        const Rectangle ingredient = PictureRectangle(c.x, c.y, 30, 30);
        EXPECT_EQ(Overlap(cook, ingredient), c.overlap) << c.what;
        EXPECT_EQ(Overlap(ingredient, cook), c.overlap) << c.what << ", the other way round";
    }
}

TEST(Catching, IconsFillTwoRowsOfFifteenAndNoMore)
{
    struct Case
    {
        int n;
        IconSlot slot;
    };
    const Case cases[] = {
        {1, {true, 20, 8}},    {2, {true, 50, 8}},  {15, {true, 440, 8}}, {16, {true, 20, 38}},
        {30, {true, 440, 38}}, {31, {false, 0, 0}}, {0, {false, 0, 0}},
    };
    for (const Case& c : cases)
    {
        const IconSlot slot = IconSlotOfCatch(c.n);
        EXPECT_EQ(slot.exists, c.slot.exists) << "catch " << c.n;
        EXPECT_EQ(slot.x, c.slot.x) << "catch " << c.n;
        EXPECT_EQ(slot.y, c.slot.y) << "catch " << c.n;
    }
}

TEST(CookMoves, TenPixelsFromTheWholeColumnWithinTheScreen)
{
    struct Case
    {
        float x;
        int shownWidth;
        bool toRight;
        CookStep step;
    };
    const Case cases[] = {
        {20.0f, 90, false, {true, 10.0f, false}},   {10.0f, 90, false, {false, 10.0f, false}}, // 10 - 10 is not above 0
        {10.5f, 90, false, {true, 0.0f, false}},    {349.9f, 100, false, {true, 339.0f, false}},
        {349.9f, 100, true, {true, 359.0f, true}},  {689.0f, 100, true, {true, 699.0f, true}}, // 100 + 689 + 10 < 800
        {690.0f, 100, true, {false, 690.0f, true}}, {699.0f, 90, true, {true, 709.0f, true}},  // 90 + 699 + 10 < 800
        {700.0f, 90, true, {false, 700.0f, true}},
    };
    for (const Case& c : cases)
    {
        const CookStep step = StepCook(c.x, c.shownWidth, c.toRight);
        EXPECT_EQ(step.moved, c.step.moved) << c.x << (c.toRight ? " right" : " left");
        EXPECT_EQ(step.x, c.step.x) << c.x << (c.toRight ? " right" : " left");
    }
}

TEST(RoundClock, CountsOneMinuteDownAndStaysAtZero)
{
    const std::pair<Clock, Clock> ticks[] = {
        {{1, 0}, {0, 59}}, {{0, 59}, {0, 58}}, {{0, 10}, {0, 9}}, {{0, 1}, {0, 0}}, {{0, 0}, {0, 0}},
    };
    for (const auto& [before, after] : ticks)
    {
        const Clock clock = ClockAfterTick(before);
        EXPECT_EQ(clock.minutes, after.minutes) << before.minutes << ":" << before.seconds;
        EXPECT_EQ(clock.seconds, after.seconds) << before.minutes << ":" << before.seconds;
    }
    Clock clock{1, 0};
    int ticksToZero = 0;
    for (; !(clock.minutes == 0 && clock.seconds == 0) && ticksToZero < 100; ++ticksToZero)
    {
        clock = ClockAfterTick(clock);
    }
    EXPECT_EQ(ticksToZero, 60);
}

TEST(RoundClock, TheRoundEndsAtZeroOrAfterThirtyCatches)
{
    EXPECT_TRUE(RoundHasEnded({0, 0}, 0));
    EXPECT_FALSE(RoundHasEnded({0, 1}, 0));
    EXPECT_FALSE(RoundHasEnded({1, 0}, 0));
    EXPECT_FALSE(RoundHasEnded({0, 30}, 30));
    EXPECT_TRUE(RoundHasEnded({0, 30}, 31));
}

TEST(RoundClock, LateTicksDoNotCountSoThatAStallIsAPause)
{
    struct Case
    {
        const char* what;
        double error; // how late the timer made it
        double timestamp;
        double handledAt;
        bool late;
    };
    const Case cases[] = {
        {"on time, handled at once", 0.0, 10.0, 10.0, false},
        {"a frame late, handled a frame later", 0.017, 10.0, 10.017, false},
        {"made half a second late", 0.5, 10.0, 10.0, false},
        {"made up by the timer after a stop", 0.6, 10.0, 10.0, true},
        {"handled half a second after it was made", 0.0, 10.0, 10.5, false},
        {"handled after the loop was held up", 0.0, 10.0, 10.6, true},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(TickIsLate(c.error, c.timestamp, c.handledAt), c.late) << c.what;
    }
    // A process stopped for 30 s: its timer makes the 30 missed ticks at once,
    // each as late as it was due, and only the last one counts.
    int counted = 0;
    for (int missed = 30; missed >= 1; --missed)
    {
        counted += TickIsLate(missed - 0.7, 40.0, 40.001) ? 0 : 1;
    }
    EXPECT_EQ(counted, 1);
}

namespace RoundRules
{
void PrintTo(const AccountEntry& entry, std::ostream* out)
{
    *out << entry.name << " " << entry.caught << "/" << entry.asked;
}
}

TEST(Judgement, TheAccountCountsByNameAndTheRoundIsWonWhenItBalances)
{
    using Names = std::vector<std::string>;
    auto times = [](int n, const std::string& name) { return Names(static_cast<std::size_t>(n), name); };
    auto join = [](std::initializer_list<Names> parts) {
        Names all;
        for (const Names& part : parts)
        {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const Names recipe = {"Batata", "Azeite", "Batata", "Ovo"};
    struct Case
    {
        const char* what;
        Names recipe;
        Names caught;
        std::vector<AccountEntry> account;
        bool won;
    };
    const Case cases[] = {
        {"exact, in the recipe's order", recipe, recipe, {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 1}}, true},
        {"exact, in reverse order",
         recipe,
         {"Ovo", "Batata", "Azeite", "Batata"},
         {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 1}},
         true},
        {"nothing caught", recipe, {}, {{"Batata", 2, 0}, {"Azeite", 1, 0}, {"Ovo", 1, 0}}, false},
        {"one missing",
         recipe,
         {"Batata", "Azeite", "Batata"},
         {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 0}},
         false},
        {"one too many of a recipe ingredient",
         recipe,
         {"Ovo", "Batata", "Azeite", "Batata", "Ovo"},
         {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 2}},
         false},
        {"an extra the recipe does not ask for",
         recipe,
         {"Batata", "Tomate", "Azeite", "Batata", "Ovo"},
         {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 1}, {"Tomate", 0, 1}},
         false},
        {"one missing and one extra: as many catches as asked",
         recipe,
         {"Batata", "Azeite", "Batata", "Tomate"},
         {{"Batata", 2, 2}, {"Azeite", 1, 1}, {"Ovo", 1, 0}, {"Tomate", 0, 1}},
         false},
        {"one too often, another too rarely",
         recipe,
         {"Batata", "Batata", "Batata", "Ovo"},
         {{"Batata", 2, 3}, {"Azeite", 1, 0}, {"Ovo", 1, 1}},
         false},
        {"names are exact",
         recipe,
         {"batata", "Azeite", "Batata", "Ovo"},
         {{"Batata", 2, 1}, {"Azeite", 1, 1}, {"Ovo", 1, 1}, {"batata", 0, 1}},
         false},
        {"31 catches, extras in the order of their first catch",
         recipe,
         join({{"Pao"}, times(20, "Batata"), {"Tomate", "Pao"}, times(4, "Tomate"), {"Ovo"}, times(3, "Pao")}),
         {{"Batata", 2, 20}, {"Azeite", 1, 0}, {"Ovo", 1, 1}, {"Pao", 0, 5}, {"Tomate", 0, 5}},
         false},
        {"no recipe and nothing caught", {}, {}, {}, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::vector<AccountEntry> account = RoundAccount(c.recipe, c.caught);
        EXPECT_EQ(account, c.account);
        EXPECT_EQ(IsWon(account), c.won);
        // The judgement as first stated: the same names, each as often.
        Names recipeSorted = c.recipe;
        Names caughtSorted = c.caught;
        std::sort(recipeSorted.begin(), recipeSorted.end());
        std::sort(caughtSorted.begin(), caughtSorted.end());
        EXPECT_EQ(recipeSorted == caughtSorted, c.won);
    }
}

TEST(SpawnColumns, KeepTheWholePictureOnScreenAndWithinReach)
{
    struct Case
    {
        int width;
        int draw;
        int column;
    };
    const Case cases[] = {
        {30, 0, 0},
        {30, 770, 770},
        {30, 771, 0},
        {30, 799, 28}, // 30-px sprites: 0 to 770
        {30, 2147483647, 2147483647 % 771},
        {800, 12345, 0},
        {900, 7, 0}, // as wide as the screen
        {0, 799, 799},
        {0, 800, 0}, // a picture that did not load
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
        {step - 0.0015, 0.0, 1, -0.0015},          // a frame a little early still gets its step
        {step + 0.0015, 0.0, 1, 0.0015},           // and a little late too
        {step - 0.0015, -0.0015, 0, step - 0.003}, // early twice in a row: the second waits
        {0.030, 0.0, 1, 0.030 - step},             // frames of 30 ms: 1, then 2 ...
        {0.030, 0.030 - step, 2, 0.060 - 3 * step},
        {0.0, 0.0, 0, 0.0},
        {-1.0, 0.0, 0, 0.0}, // a clock that went back owes nothing
        {4 * step, 0.0, 4, 0.0},
        {1.0, 0.0, 4, 0.0}, // a long stall: four steps and the rest dropped
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
