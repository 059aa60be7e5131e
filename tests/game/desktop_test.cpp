#include "support/GameFixture.h"
#include "support/Text.h"

#include "content/SceneActors.h"
#include "desktop/Settings.h"
#include "desktop/SettingsPath.h"
#include "input/HeldDirection.h"

#include <allegro5/allegro.h>

#include <functional>
#include <string>

// At home on a desktop: the fullscreen keys and the remembered settings, and a
// gamepad's stick or an on-screen control held (what every screen does with
// each input: states_test).

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

// A held stick and a held "Esquerda" walk the cook alike.
TEST_F(GameTest, AStickOrAControlHeldMovesTheCookAsAHeldKeyDoes)
{
    struct Source
    {
        const char* name;
        std::function<void(GameProbe&, bool)> hold; // true: pressed left; false: let go
    };
    const Source sources[] = {
        {"stick", [](GameProbe& probe, bool held) { probe.PadAxis(0, 0, held ? -1.0f : 0.0f); }},
        {"control", [](GameProbe& probe, bool held) { probe.Touch(Action::Left, held); }},
    };
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->ParkAllIngredients();
    for (const Source& source : sources)
    {
        SCOPED_TRACE(source.name);
        // A step at once, then the repeats of a held key, one second long.
        m_probe->PlaceCook(400.0f);
        source.hold(*m_probe, true);
        m_probe->Step();
        EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 390.0f);
        for (int pass = 1; pass < 60; ++pass)
        {
            if (pass == 30)
            {
                m_probe->PadAxis(1, 0, 0.0f); // another stick, resting, changes nothing
            }
            m_probe->Step();
        }
        const int steps = 1 + static_cast<int>((1.0 - REPEAT_DELAY) / REPEAT_INTERVAL);
        EXPECT_NEAR(400.0f - m_probe->Place(SceneActor::COOK)->GetX(), 10.0f * steps, 10.0f);
        source.hold(*m_probe, false);
        m_probe->Step();
        const float stopped = m_probe->Place(SceneActor::COOK)->GetX();
        for (int pass = 0; pass < 30; ++pass)
        {
            m_probe->Step();
        }
        EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), stopped);
    }
}

// A held control whose page is hidden stops: the round pauses, and once it
// goes on the cook stands until a control is pressed again.
TEST_F(GameTest, AHeldControlStopsWhenTheFocusIsLost)
{
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->ParkAllIngredients();
    m_probe->PlaceCook(400.0f);
    m_probe->Touch(Action::Right);
    m_probe->Step();
    m_probe->Emit(ALLEGRO_EVENT_DISPLAY_SWITCH_OUT);
    m_probe->Step();
    ASSERT_EQ(m_probe->State(), PAUSED);
    m_probe->Touch(Action::Resume);
    m_probe->Step();
    ASSERT_EQ(m_probe->State(), PLAYING);
    const float resumed = m_probe->Place(SceneActor::COOK)->GetX();
    for (int pass = 0; pass < 60; ++pass)
    {
        m_probe->Step();
    }
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), resumed);
}
