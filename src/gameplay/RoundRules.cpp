#include "gameplay/RoundRules.h"

#include <algorithm>
#include <cmath>

namespace RoundRules
{
Rectangle PictureRectangle(float x, float y, int width, int height)
{
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    return {left, top, left + width, top + height};
}

bool Overlap(const Rectangle& a, const Rectangle& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

CookStep StepCook(float x, int shownWidth, bool toRight)
{
    const int wholeX = static_cast<int>(x);
    if (!toRight && x - COOK_STEP > 0.0)
    {
        return {true, static_cast<float>(wholeX - COOK_STEP), false};
    }
    if (toRight && shownWidth + x + COOK_STEP < ScreenLayout::PICTURE_WIDTH)
    {
        return {true, static_cast<float>(wholeX + COOK_STEP), true};
    }
    return {false, x, toRight};
}

Clock ClockAfterTick(Clock clock)
{
    if (clock.minutes == 1)
    {
        return {0, 59};
    }
    if (clock.seconds > 0)
    {
        return {clock.minutes, clock.seconds - 1};
    }
    return clock;
}

bool RoundHasEnded(Clock clock, int catches)
{
    return (clock.minutes == 0 && clock.seconds == 0) || catches > MOST_CATCHES;
}

bool TickIsLate(double error, double timestamp, double handledAt)
{
    return error > LATE_TICK || handledAt - timestamp > LATE_TICK;
}

bool operator==(const AccountEntry& a, const AccountEntry& b)
{
    return a.name == b.name && a.asked == b.asked && a.caught == b.caught;
}

std::vector<AccountEntry> RoundAccount(const std::vector<std::string>& recipe, const std::vector<std::string>& caught)
{
    std::vector<AccountEntry> account;
    // A round has a few dozen names at most: a linear look-up is enough.
    auto entryOf = [&account](const std::string& name) -> AccountEntry& {
        const auto found = std::find_if(account.begin(), account.end(),
                                        [&name](const AccountEntry& entry) { return entry.name == name; });
        if (found != account.end())
        {
            return *found;
        }
        account.push_back({name, 0, 0});
        return account.back();
    };
    // The recipe first, so that its ingredients come before every extra.
    for (const std::string& name : recipe)
    {
        ++entryOf(name).asked;
    }
    for (const std::string& name : caught)
    {
        ++entryOf(name).caught;
    }
    return account;
}

Standing StandingOf(const AccountEntry& entry)
{
    if (entry.caught < entry.asked)
    {
        return Standing::MISSING;
    }
    return entry.caught > entry.asked ? Standing::EXTRA : Standing::MATCHED;
}

bool IsWon(const std::vector<AccountEntry>& account)
{
    return std::all_of(account.begin(), account.end(),
                       [](const AccountEntry& entry) { return StandingOf(entry) == Standing::MATCHED; });
}

IconSlot IconSlotOfCatch(int n)
{
    if (n < 1 || n > MOST_CATCHES)
    {
        return {false, 0, 0};
    }
    const int index = n - 1;
    return {true, ScreenLayout::ICON_LEFT + ScreenLayout::ICON_SPACING * (index % ScreenLayout::ICONS_PER_ROW),
            ScreenLayout::ICON_TOP + ScreenLayout::ICON_SPACING * (index / ScreenLayout::ICONS_PER_ROW)};
}

int LastSpawnColumn(int pictureWidth)
{
    if (pictureWidth <= 0)
    {
        return ScreenLayout::PICTURE_WIDTH - 1;
    }
    return std::max(0, ScreenLayout::PICTURE_WIDTH - pictureWidth);
}

int SpawnColumn(int randomDraw, int pictureWidth)
{
    return randomDraw % (LastSpawnColumn(pictureWidth) + 1);
}

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
