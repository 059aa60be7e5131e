#include "support/GameFixture.h"
#include "support/Text.h"

#include "content/SceneActors.h"
#include "desktop/Settings.h"
#include "desktop/SettingsPath.h"
#include "input/HeldDirection.h"

#include <allegro5/allegro.h>

#include <string>

// At home on a desktop: pausing when the window loses the focus or on ESC, the
// fullscreen keys and the remembered settings, and a gamepad.

namespace
{
std::string SettingsText()
{
    return FileContents(UserSettingsPath());
}
}

TEST_F(GameTest, LosingTheFocusOrEscapePausesTheRoundAndOnlyTheRound)
{
    GoTo(CHOOSE_DIFFICULTY);
    m_probe->Emit(ALLEGRO_EVENT_DISPLAY_SWITCH_OUT);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);

    m_probe->StepChar(ALLEGRO_KEY_1);
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    m_probe->FinishGetReady();
    m_probe->Emit(ALLEGRO_EVENT_DISPLAY_SWITCH_OUT);
    StepAndCapture();
    EXPECT_EQ(m_probe->State(), PAUSED);
    EXPECT_EQ(Pixel(400, 50), FixtureArt::PAUSE) << "the pause picture, as P shows it";
    m_probe->StepTick();
    EXPECT_EQ(m_probe->Seconds(), 0) << "the clock stands while paused";
    m_probe->StepChar(ALLEGRO_KEY_ESCAPE);
    EXPECT_EQ(m_probe->State(), PAUSED) << "only P resumes";
    m_probe->StepChar(ALLEGRO_KEY_P);
    EXPECT_EQ(m_probe->State(), PLAYING);

    m_probe->Char(ALLEGRO_KEY_ESCAPE);
    m_probe->RepeatedChar(ALLEGRO_KEY_ESCAPE);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PAUSED);
}

TEST_F(GameTest, OnlyWhatReallyHappenedIsRememberedAndAltEnterIsNoEnter)
{
    // No window manager runs on this X server: nothing follows a request to
    // fill the screen, and the game must not remember that it did.
    m_probe->CharWith(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), TITLE_MENU) << "Alt+Enter on the menu started a game";
    EXPECT_FALSE(Holds(SettingsText(), "fullscreen=on")) << SettingsText();
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    m_probe->StepChar(ALLEGRO_KEY_1);
    m_probe->CharWith(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), SHOW_RECIPE) << "Alt+Enter on the recipe card started the round";
    m_probe->StepChar(ALLEGRO_KEY_M);
    EXPECT_TRUE(Holds(SettingsText(), "music=off")) << SettingsText();
    EXPECT_FALSE(Holds(SettingsText(), "fullscreen=on")) << SettingsText();

    // The next launch starts as this one was left. Fullscreen for that launch
    // only (--fullscreen) is not remembered when the music switch is saved.
    m_probe.reset();
    m_game = std::make_unique<Game>();
    UseSettingsFile(UserSettingsPath());
    m_game->SetLaunchFullscreen(1);
    m_probe = std::make_unique<GameProbe>(*m_game);
    ASSERT_TRUE(m_probe->Start());
    EXPECT_FALSE(m_probe->SoundOn());
    EXPECT_FALSE(m_probe->MusicPlaying());
    EXPECT_EQ(Shown(SceneActor::SOUND), FixtureArt::SOUND_OFF);
    m_probe->StepChar(ALLEGRO_KEY_M);
    EXPECT_TRUE(Holds(SettingsText(), "music=on")) << SettingsText();
    EXPECT_FALSE(Holds(SettingsText(), "fullscreen=on")) << SettingsText();
}

TEST_F(GameTest, AGamepadActsAsTheKeys)
{
    m_probe->PadButton(0); // A: ENTER
    m_probe->Step();
    ASSERT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    m_probe->PadAxis(0, 1, -1.0f); // up: 2, medium
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), SHOW_RECIPE);
    EXPECT_EQ(m_probe->Difficulty(), 1);
    m_probe->PadAxis(0, 1, 0.0f);
    m_probe->PadButton(0);
    m_probe->Step();
    ASSERT_EQ(m_probe->State(), PLAYING);
    m_probe->FinishGetReady();

    m_probe->PadButton(7); // Start: P
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PAUSED);
    m_probe->PadButton(7);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PLAYING);
    m_probe->PadButton(1); // B: ESC, which pauses a round
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PAUSED);
    m_probe->PadButton(7);
    m_probe->Step();

    // Left held: a step at once, then the repeats of a held key, one second long.
    m_probe->ParkAllIngredients(static_cast<int>(m_probe->Spawned().size()) + 1);
    const float start = m_probe->Place(SceneActor::COOK)->GetX();
    m_probe->PadAxis(0, 0, -1.0f);
    m_probe->Step();
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), start - 10.0f);
    for (int pass = 1; pass < 60; ++pass)
    {
        if (pass == 30)
        {
            m_probe->PadAxis(1, 0, 0.0f); // another stick, resting, changes nothing
        }
        m_probe->Step();
    }
    const int steps = 1 + static_cast<int>((1.0 - REPEAT_DELAY) / REPEAT_INTERVAL);
    EXPECT_NEAR(start - m_probe->Place(SceneActor::COOK)->GetX(), 10.0f * steps, 10.0f);
    m_probe->PadAxis(0, 0, 0.0f); // let go
    m_probe->Step();
    const float stopped = m_probe->Place(SceneActor::COOK)->GetX();
    for (int pass = 0; pass < 30; ++pass)
    {
        m_probe->Step();
    }
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), stopped);

    // On the result screen, B quits as ESC does.
    m_probe->SetState(ROUND_OVER);
    m_probe->PadButton(1);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), QUIT);
}

TEST_F(GameTest, AGamepadChoosesEachLevelAndItsBLeavesTheMenu)
{
    const struct
    {
        int axis;
        float position;
        int difficulty;
    } levels[] = {{0, -1.0f, 0}, {1, -1.0f, 1}, {0, 1.0f, 2}};
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    for (const auto& level : levels)
    {
        m_probe->PadAxis(0, level.axis, level.position);
        m_probe->Step();
        EXPECT_EQ(m_probe->State(), SHOW_RECIPE);
        EXPECT_EQ(m_probe->Difficulty(), level.difficulty);
        m_probe->PadAxis(0, level.axis, 0.0f);
        m_probe->SetState(ROUND_OVER);
        m_probe->StepKeyDown(ALLEGRO_KEY_ENTER); // a new game: the difficulty screen again
    }

    // From the instructions back to the menu, where B is ESC: quit.
    m_probe->SetState(INSTRUCTIONS);
    m_probe->StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, [this] { m_probe->PadButton(1); });
    EXPECT_EQ(m_probe->State(), QUIT);
}
