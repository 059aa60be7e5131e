#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

// What the round's frames draw, read from their pixels.

namespace
{
const Rgba BLACK{0, 0, 0, 255};
}

TEST_F(GameTest, TheGetReadyFrameShowsTheCountOverTheKitchenWithoutClock)
{
    m_probe->EnterRound(0);
    // Not drawn before the clock runs, though visible.
    m_probe->PlaceIngredient(m_probe->Spawned().front(), 100.0f, 300.0f, true);
    int previousDigit = 0;
    for (int ready = 3; ready >= 0; --ready)
    {
        SCOPED_TRACE(ready);
        StepAndCapture();
        ASSERT_EQ(m_probe->ReadyCount(), ready);
        // A digit of its own each time, below y 250 and about x 400.
        const int digit = CountPixels(340, 250, 120, 190, BLACK);
        EXPECT_GT(digit, 500);
        EXPECT_NE(digit, previousDigit);
        previousDigit = digit;
        EXPECT_EQ(CountPixels(450, 0, 350, 110, BLACK), 0);
        EXPECT_EQ(Pixel(10, 590), FixtureArt::BACKGROUND);
        EXPECT_EQ(Pixel(110, 310), FixtureArt::BACKGROUND);
        EXPECT_EQ(Pixel(360, 500), FixtureArt::COOK_LEFT);
        EXPECT_EQ(Pixel(730, 30), FixtureArt::SOUND_ON);
        m_probe->Tick();
    }
}

TEST_F(GameTest, TheRunningFrameShowsTheClockAndThePauseStripCoversIt)
{
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    StepAndCapture();
    // Right-aligned at 710, left of the sound icon.
    EXPECT_GT(CountPixels(450, 0, 261, 110, BLACK), 300);
    EXPECT_EQ(CountPixels(711, 0, 89, 110, BLACK), 0);
    EXPECT_EQ(Pixel(730, 30), FixtureArt::SOUND_ON);
    EXPECT_EQ(Pixel(360, 500), FixtureArt::COOK_LEFT);

    Capture([this] { m_probe->StepChar(ALLEGRO_KEY_P); });
    EXPECT_EQ(CountPixels(0, 0, 800, 100, FixtureArt::PAUSE), 800 * 100);
    EXPECT_EQ(Pixel(400, 300), FixtureArt::BACKGROUND);
    EXPECT_EQ(Pixel(360, 500), FixtureArt::COOK_LEFT);
}
