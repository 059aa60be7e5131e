#include "support/GameFixture.h"

#include <allegro5/allegro.h>

#include <vector>

// The one-second tick: the get-ready count, the clock, and the releases it drives.

namespace
{
std::vector<int> VisibleIngredients(const GameProbe& probe)
{
    std::vector<int> visible;
    for (int id : probe.Spawned())
    {
        if (probe.IsVisible(id))
        {
            visible.push_back(id);
        }
    }
    return visible;
}
}

TEST_F(GameTest, FourTicksCountDownThenEachMovesTheClockAndReleasesInSpawnOrder)
{
    m_probe->EnterRound(2);
    for (int ready : {2, 1, 0, -1})
    {
        m_probe->StepTick();
        EXPECT_EQ(m_probe->ReadyCount(), ready);
        EXPECT_EQ(m_probe->Minutes(), 1);
        EXPECT_EQ(m_probe->Seconds(), 0);
        EXPECT_EQ(m_probe->NextRelease(), 1);
        EXPECT_TRUE(VisibleIngredients(*m_probe).empty());
    }
    // One a tick, however many already fall.
    const std::vector<int> spawned = m_probe->Spawned();
    for (int released = 1; released <= static_cast<int>(spawned.size()); ++released)
    {
        m_probe->StepTick();
        EXPECT_EQ(m_probe->Minutes(), 0);
        EXPECT_EQ(m_probe->Seconds(), 60 - released);
        EXPECT_EQ(VisibleIngredients(*m_probe), std::vector<int>(spawned.begin(), spawned.begin() + released));
        EXPECT_EQ(m_probe->NextRelease(), released + 1);
    }
    // Nothing is left to release: the clock runs on alone.
    m_probe->StepTick();
    m_probe->StepTick();
    EXPECT_EQ(m_probe->NextRelease(), static_cast<int>(spawned.size()) + 1);
    EXPECT_EQ(VisibleIngredients(*m_probe), spawned);
    EXPECT_EQ(m_probe->Seconds(), 60 - static_cast<int>(spawned.size()) - 2);
}

TEST_F(GameTest, TheWaitingQueueReleasesOneAFrameWhileFewerThanSixFall)
{
    m_probe->EnterRound(2);
    m_probe->FinishGetReady();
    const std::vector<int> ids = m_probe->Spawned();
    m_probe->ParkAllIngredients();
    // Three pass the bottom in this frame, in list order, while six fall high up.
    for (int i = 0; i < 3; ++i)
    {
        m_probe->PlaceIngredient(ids[i], 0.0f, 600.0f, true);
    }
    for (int i = 3; i < 9; ++i)
    {
        m_probe->PlaceIngredient(ids[i], 0.0f, 100.0f, true);
    }
    m_probe->Step();
    EXPECT_EQ(m_probe->WaitingCount(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_FALSE(m_probe->IsVisible(ids[i]));
        EXPECT_EQ(m_probe->Place(ids[i])->GetY(), 0.0f);
    }

    // Five fall: the first queued comes back, from the top, after the moves.
    m_probe->PlaceIngredient(ids[3], 0.0f, 0.0f, false);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(ids[0]));
    EXPECT_EQ(m_probe->Place(ids[0])->GetY(), 0.0f);
    EXPECT_EQ(m_probe->WaitingCount(), 2);

    // Six again: the queue waits.
    m_probe->Step();
    EXPECT_FALSE(m_probe->IsVisible(ids[1]));
    EXPECT_EQ(m_probe->WaitingCount(), 2);

    // Two leave, but only one a frame comes back.
    m_probe->PlaceIngredient(ids[4], 0.0f, 0.0f, false);
    m_probe->PlaceIngredient(ids[5], 0.0f, 0.0f, false);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(ids[1]));
    EXPECT_FALSE(m_probe->IsVisible(ids[2]));
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(ids[2]));
    EXPECT_EQ(m_probe->WaitingCount(), 0);
}

TEST_F(GameTest, TwoTicksInOnePassAtOneSecondLeftStopTheClockAtZero)
{
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->SetClock(0, 1);
    m_probe->Tick();
    m_probe->Tick();
    m_probe->Step();
    EXPECT_EQ(m_probe->Minutes(), 0);
    EXPECT_EQ(m_probe->Seconds(), 0);
    EXPECT_EQ(m_probe->State(), ROUND_OVER);
}

TEST_F(GameTest, TicksTheTimerMadeUpAfterAStopCountOnceAtMost)
{
    // As after a process stopped for three seconds, then for thirty: the timer
    // makes up the missed ticks at once, each as late as it was due.
    m_probe->EnterRound(0);
    for (double error : {2.3, 1.3})
    {
        m_probe->LateTick(error);
    }
    m_probe->Step();
    EXPECT_EQ(m_probe->ReadyCount(), 3);
    m_probe->FinishGetReady();
    for (int missed = 29; missed >= 1; --missed)
    {
        m_probe->LateTick(missed + 0.3);
    }
    m_probe->LateTick(0.3);
    m_probe->Step();
    EXPECT_EQ(m_probe->Minutes(), 0);
    EXPECT_EQ(m_probe->Seconds(), 59);
    EXPECT_EQ(m_probe->NextRelease(), 2);
}

TEST_F(GameTest, ATickKeptWaitingByAFullscreenSwitchStillCounts)
{
    // Without a window manager here, the switch holds the loop for about a
    // second, while the round's timer stands still.
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->Char(ALLEGRO_KEY_F11);
    m_probe->Tick();
    m_probe->Step();
    EXPECT_EQ(m_probe->Seconds(), 59);
}

TEST_F(GameTest, TheFirstDigitOfTheCountShowsForAWholeSecond)
{
    GoTo(SHOW_RECIPE);
    // A tick queued behind ENTER, from before the round began, is not the round's.
    m_probe->Char(ALLEGRO_KEY_ENTER);
    m_probe->Tick();
    m_probe->Step();
    ASSERT_EQ(m_probe->State(), PLAYING);
    EXPECT_EQ(m_probe->ReadyCount(), 3);

    // The same with the game's own timer: the player leaves the recipe 0.4 s
    // after one of its ticks, and the "3" still shows for a whole second.
    m_probe->SetState(SHOW_RECIPE);
    m_probe->UseRealTimer();
    m_probe->SetPacing(true);
    const long count = m_probe->TimerCount();
    const double waitStart = al_get_time();
    while (m_probe->TimerCount() == count && al_get_time() - waitStart < 3.0)
    {
        m_probe->Step();
    }
    const double tick = al_get_time();
    while (al_get_time() - tick < 0.4)
    {
        m_probe->Step();
    }
    // Timed from before the pass that takes the key: under load its frame
    // alone can take a quarter of a second.
    const double entered = al_get_time();
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    while (m_probe->ReadyCount() == 3 && al_get_time() - entered < 3.0)
    {
        m_probe->Step();
    }
    EXPECT_EQ(m_probe->ReadyCount(), 2);
    EXPECT_GE(al_get_time() - entered, 0.95);
}

TEST_F(GameTest, TheRoundKeepsItsSpeedWhenFramesComeSlowlyOrStall)
{
    m_probe->EnterRound(2); // hard: 1 px a step, 60 px a second
    m_probe->FinishGetReady();
    const std::vector<int> ids = m_probe->Spawned();
    m_probe->ParkAllIngredients();
    m_probe->PlaceIngredient(ids[0], 0.0f, 100.0f, true);
    auto fallen = [&] { return m_probe->Place(ids[0])->GetY() - 100.0f; };

    m_probe->SetPassDuration(0.030); // frames of 30 ms: half the rate
    for (int pass = 0; pass < 33; ++pass)
    {
        m_probe->Step();
    }
    EXPECT_NEAR(fallen(), 60.0f * 33 * 0.030f, 2.0f);

    // A pause is not owed: the first pass after it moves one step.
    const float beforePause = fallen();
    m_probe->StepChar(ALLEGRO_KEY_P);
    for (int pass = 0; pass < 20; ++pass)
    {
        m_probe->Step();
    }
    m_probe->StepChar(ALLEGRO_KEY_P);
    EXPECT_EQ(fallen(), beforePause + 1.0f);

    // A stall of a whole second moves things by four steps, no more.
    m_probe->SetPassDuration(1.0);
    m_probe->Step();
    m_probe->Step();
    EXPECT_EQ(fallen(), beforePause + 1.0f + 1.0f + 4.0f);
}
