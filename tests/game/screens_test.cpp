#include "RecipeSeeds.h"
#include "support/Clock.h"
#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

#include <thread>
#include <tuple>
#include <utility>
#include <vector>

// What every screen shares: the sound switch, its picture, and a stopped clock;
// the screens that wait for the player draw only when something changes.

namespace
{
using FixtureArt::SOUND_OFF;
using FixtureArt::SOUND_ON;

// The picture at (100, 300) of each screen but the title menu.
Rgba PictureOf(int state, int recipe)
{
    switch (state)
    {
    case INSTRUCTIONS:
        return FixtureArt::INSTRUCTIONS;
    case CHOOSE_DIFFICULTY:
        return FixtureArt::DIFFICULTY;
    case SHOW_RECIPE:
        return FixtureArt::RecipeCard(recipe);
    case ROUND_OVER:
        return FixtureArt::GAME_OVER;
    default:
        return FixtureArt::BACKGROUND; // the get-ready count and the pause
    }
}

// Everything a timer event could move: clock, ready count, next release, and
// each ingredient's visibility and height.
using RoundSnapshot = std::tuple<int, int, int, int, std::vector<std::pair<bool, float>>>;

RoundSnapshot Snapshot(const GameProbe& probe)
{
    std::vector<std::pair<bool, float>> ingredients;
    for (int id : probe.Spawned())
    {
        ingredients.emplace_back(probe.IsVisible(id), probe.Place(id)->GetY());
    }
    return {probe.Minutes(), probe.Seconds(), probe.ReadyCount(), probe.NextRelease(), ingredients};
}
}

class EveryScreen : public GameTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(EveryScreen, MSwitchesTheMusicAndItsIcon)
{
    const int state = GetParam();
    const int recipe = RecipeAfterSeed(1, 0); // the recipe GoTo draws
    GoTo(state);
    for (bool on : {false, true})
    {
        // The result screen answers key-downs, every other screen characters.
        state == ROUND_OVER ? m_probe->KeyDown(ALLEGRO_KEY_M) : m_probe->Char(ALLEGRO_KEY_M);
        StepAndCapture();
        EXPECT_EQ(m_probe->State(), state);
        EXPECT_EQ(m_probe->SoundOn(), on);
        EXPECT_EQ(m_probe->MusicPlaying(), on);
        EXPECT_EQ(Shown(SceneActor::SOUND), on ? SOUND_ON : SOUND_OFF);

        EXPECT_EQ(Pixel(100, 300), PictureOf(state, recipe));
        // The result screen has no icon, and the pause strip covers it.
        if (state != ROUND_OVER && state != PAUSED)
        {
            EXPECT_EQ(Pixel(730, 30), on ? SOUND_ON : SOUND_OFF);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen,
                         ::testing::Values(INSTRUCTIONS, CHOOSE_DIFFICULTY, SHOW_RECIPE, PLAYING, PAUSED, ROUND_OVER));

// The screens that wait for the player, with the clock stopped.
class WaitingScreens : public GameTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(WaitingScreens, DropTimerEvents)
{
    GoTo(GetParam());
    const RoundSnapshot before = Snapshot(*m_probe);
    m_probe->Tick();
    m_probe->Tick();
    m_probe->Step();
    m_probe->StepTick();
    EXPECT_EQ(Snapshot(*m_probe), before);
    EXPECT_EQ(m_probe->State(), GetParam());
}

TEST_P(WaitingScreens, DrawOnlyWhenSomethingChangesAndSleepMeanwhile)
{
    const int state = GetParam();
    const int recipe = RecipeAfterSeed(1, 0);
    GoTo(state);
    m_probe->Step(); // the screen's first frame, when the pass that came here did not draw it
    // The other tests' windows come and go over this one, and each one leaving
    // uncovers it: a frame the game rightly draws.
    m_probe->MuteTheWindow();
    const int everyPixel = 800 * 600;
    m_probe->Tick();
    StepAndCapture();
    EXPECT_EQ(CountPixels(0, 0, 800, 600, {1, 2, 3, 255}), everyPixel) << "drawn again for a tick";
    StepAndCapture();
    EXPECT_EQ(CountPixels(0, 0, 800, 600, {1, 2, 3, 255}), everyPixel) << "drawn again with nothing new";
    m_probe->Emit(ALLEGRO_EVENT_DISPLAY_EXPOSE); // the window uncovered
    StepAndCapture();
    EXPECT_EQ(Pixel(100, 300), PictureOf(state, recipe));

    // The game's own pass sleeps on the queue until something comes: here the
    // music key, from another thread.
    std::thread player([this, state] {
        Sleep(0.2);
        state == ROUND_OVER ? m_probe->KeyDown(ALLEGRO_KEY_M) : m_probe->Char(ALLEGRO_KEY_M);
    });
    int passes = 0;
    while (m_probe->SoundOn() && passes < 100)
    {
        m_probe->StepAsRun();
        ++passes;
    }
    player.join();
    EXPECT_FALSE(m_probe->SoundOn());
    EXPECT_LE(passes, 3) << "passes ran while nothing happened";
}

INSTANTIATE_TEST_SUITE_P(Screens, WaitingScreens,
                         ::testing::Values(INSTRUCTIONS, CHOOSE_DIFFICULTY, SHOW_RECIPE, PAUSED, ROUND_OVER));

TEST_F(GameTest, TheMenuIconShowsTheOneMusicSwitch)
{
    m_probe->StepChar(ALLEGRO_KEY_I);
    m_probe->StepChar(ALLEGRO_KEY_M);
    ASSERT_FALSE(m_probe->MusicPlaying());

    // Switched off on the instructions, the music shows off on the menu too.
    Capture([this] { m_probe->StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_M}); });
    EXPECT_EQ(Pixel(100, 300), FixtureArt::MENU);
    EXPECT_EQ(Pixel(730, 30), SOUND_OFF);
    EXPECT_EQ(m_probe->State(), TITLE_MENU);
    EXPECT_TRUE(m_probe->MusicPlaying());
    EXPECT_EQ(Shown(SceneActor::SOUND), SOUND_ON);

    // M on the menu switches it back on, and the menu shows that.
    Capture([this] { m_probe->StepChar(ALLEGRO_KEY_M); });
    EXPECT_EQ(Pixel(730, 30), SOUND_ON);
    EXPECT_FALSE(m_probe->MusicPlaying());
    Capture([this] { m_probe->StepChar(ALLEGRO_KEY_ENTER); });
    EXPECT_EQ(Pixel(730, 30), SOUND_OFF);
    EXPECT_EQ(Shown(SceneActor::SOUND), SOUND_OFF);
}
