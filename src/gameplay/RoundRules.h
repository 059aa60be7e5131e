#pragma once

#include "content/ScreenLayout.h"

#include <string>
#include <vector>

// The rules of a round as plain arithmetic, apart from the Game that holds
// its state: each can be read, and tested, on its own.
namespace RoundRules
{
// The cook moves this far for each arrow key's character event.
constexpr int COOK_STEP = 10;
// Ingredients waiting to fall again are released only while fewer fall.
constexpr int MOST_FALLING = 6;
// One catch more than the icons' places ends the round.
constexpr int MOST_CATCHES = ScreenLayout::ICONS_PER_ROW * ScreenLayout::ICON_ROWS;

// A picture's rectangle on screen, half-open: right and bottom lie outside.
struct Rectangle
{
    int left;
    int top;
    int right;
    int bottom;
};

// The rectangle of a picture of that size with its top-left corner at (x, y);
// the position is truncated toward zero (349.9 is column 349).
Rectangle PictureRectangle(float x, float y, int width, int height);

// True when the rectangles share at least one pixel; touching edges do not.
bool Overlap(const Rectangle& a, const Rectangle& b);

// Where the cook goes for one arrow key.
struct CookStep
{
    bool moved; // false: refused at the edge, the picture does not turn either
    float x;    // from the truncated position, COOK_STEP away
    bool toRight;
};
// shownWidth: the width of the picture the cook shows before it turns.
CookStep StepCook(float x, int shownWidth, bool toRight);

// The round clock, one minute down to 0:00.
struct Clock
{
    int minutes;
    int seconds;
};
// One second later: 1:00 becomes 0:59; 0:00 stays, so that two ticks handled
// in one pass never start a second minute.
Clock ClockAfterTick(Clock clock);
// The round is over at 0:00, or after more catches than there are icon places.
bool RoundHasEnded(Clock clock, int catches);

// A timer tick later than this (seconds) does not count.
constexpr double LATE_TICK = 0.5;
// True when a tick comes too late to count: made `error` seconds after it was
// due (the timer makes up ticks missed while the process was stopped), or
// handled at `handledAt` long after its `timestamp` (the loop was held up).
// Time in which the game could not run is a pause, never the round's.
bool TickIsLate(double error, double timestamp, double handledAt);

// One ingredient of a round's account, counted by name (exact, case-sensitive).
struct AccountEntry
{
    std::string name;
    int asked;  // how often the recipe lists it; 0 when it does not
    int caught; // how often it was caught
};
bool operator==(const AccountEntry& a, const AccountEntry& b);

// The round's account: each ingredient the recipe asks for, once, in the order
// it first appears in the recipe; then each ingredient caught that the recipe
// does not ask for, in the order of its first catch. The catches' order does
// not matter otherwise.
std::vector<AccountEntry> RoundAccount(const std::vector<std::string>& recipe, const std::vector<std::string>& caught);

// How an entry stands: as asked, short of it, or beyond it (an ingredient the
// recipe does not ask for is always beyond it).
enum class Standing
{
    MATCHED,
    MISSING,
    EXTRA
};
Standing StandingOf(const AccountEntry& entry);

// The judgement: the round is won exactly when every entry of its account is
// matched, so that the catches, as a multiset of names, are the recipe's.
bool IsWon(const std::vector<AccountEntry>& account);

// Where the icon of the n-th catch (from 1) lies; no place beyond the last.
struct IconSlot
{
    bool exists;
    int x;
    int y;
};
IconSlot IconSlotOfCatch(int n);

// The highest column at which an ingredient of that width may appear: it is
// whole on screen and within the cook's reach. A picture that did not load
// (width 0) keeps to the last column.
int LastSpawnColumn(int pictureWidth);
// A column from 0 to LastSpawnColumn(pictureWidth), from one random draw.
int SpawnColumn(int randomDraw, int pictureWidth);

// The round advances in fixed steps of 1/60 s, whatever the frame rate.
constexpr double UPDATE_STEP = 1.0 / 60.0;
// A pass runs at most this many steps: a long stall never teleports anything.
constexpr int MAX_UPDATES_PER_PASS = 4;
// Frames paced at 60 a second jitter by a millisecond or two; within this much
// of a whole step they still get exactly one update each, and the difference
// is carried so that no time is lost or gained.
constexpr double STEP_TOLERANCE = 0.002;

struct StepsOwed
{
    int steps;
    double carry; // time already counted ahead (negative) or still owed
};
// The update steps owed after `elapsed` seconds, given what was carried from
// the last pass.
StepsOwed UpdateStepsOwed(double elapsed, double carry);
}
