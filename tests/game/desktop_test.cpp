#include "support/GameFixture.h"
#include "support/Text.h"

#include "content/SceneActors.h"
#include "desktop/Settings.h"
#include "desktop/SettingsPath.h"
#include "input/HeldDirection.h"

#include <allegro5/allegro.h>

#include <string>

// At home on a desktop: the fullscreen keys and the remembered settings, and a
// gamepad's stick held (what every screen does with each input: states_test).

namespace
{
std::string SettingsText()
{
    return FileContents(UserSettingsPath());
}
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

TEST_F(GameTest, AStickHeldMovesTheCookAsAHeldKeyDoes)
{
    // A step at once, then the repeats of a held key, one second long.
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->ParkAllIngredients();
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
}
