#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

// Every transition of the state table, driven through the game's event queue.

TEST_F(GameTest, TitleMenuChoicesLeadToTheirScreens)
{
    m_probe->StepChar(ALLEGRO_KEY_I);
    EXPECT_EQ(m_probe->State(), INSTRUCTIONS);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(SceneActor::INSTRUCTION));

    // ESCAPE returns to the menu, which shows in the same pass and waits there.
    m_probe->StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_ENTER});
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::INSTRUCTION));
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
}

TEST_F(GameTest, TheTitleMenuSkipsEverythingButItsKeys)
{
    // Ticks, key-downs and other letters are taken and dropped while it waits.
    m_probe->Tick();
    m_probe->KeyDown(ALLEGRO_KEY_ENTER);
    m_probe->Char(ALLEGRO_KEY_P);
    m_probe->Char(ALLEGRO_KEY_1);
    m_probe->Char(ALLEGRO_KEY_ESCAPE);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), QUIT);
    EXPECT_TRUE(m_game->IsOver());
}

TEST_F(GameTest, ClosingTheWindowOnTheTitleMenuQuits)
{
    m_probe->Close();
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), QUIT);
}

TEST_F(GameTest, DifficultyDigitsChooseARecipeAndTheKeypadDoesNothing)
{
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    ASSERT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(SceneActor::DIFFICULTY));

    m_probe->StepChar(ALLEGRO_KEY_PAD_1);
    m_probe->StepKeyDown(ALLEGRO_KEY_2);
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    EXPECT_TRUE(m_probe->Spawned().empty());

    m_probe->StepChar(ALLEGRO_KEY_3);
    EXPECT_EQ(m_probe->State(), SHOW_RECIPE);
    EXPECT_EQ(m_probe->Difficulty(), 2);
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::DIFFICULTY));
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(SceneActor::RECIPE));

    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), PLAYING);
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::RECIPE));
}

TEST_F(GameTest, PTwiceInOnePassPausesAndResumes)
{
    m_probe->EnterRound(0);
    m_probe->StepChar(ALLEGRO_KEY_P);
    EXPECT_EQ(m_probe->State(), PAUSED);
    EXPECT_TRUE(m_probe->IsVisible(SceneActor::PAUSE));

    m_probe->StepChar(ALLEGRO_KEY_P);
    EXPECT_EQ(m_probe->State(), PLAYING);
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::PAUSE));

    m_probe->Char(ALLEGRO_KEY_P);
    m_probe->Char(ALLEGRO_KEY_P);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PLAYING);
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::PAUSE));

    // A held P pauses once: its repeats neither resume nor pause again.
    m_probe->Char(ALLEGRO_KEY_P);
    m_probe->RepeatedChar(ALLEGRO_KEY_P);
    m_probe->RepeatedChar(ALLEGRO_KEY_P);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PAUSED);
    m_probe->RepeatedChar(ALLEGRO_KEY_P);
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), PAUSED);
}

TEST_F(GameTest, AHeldMSwitchesTheMusicOncePerPress)
{
    // On the menu, then on the difficulty screen.
    m_probe->Char(ALLEGRO_KEY_M);
    m_probe->RepeatedChar(ALLEGRO_KEY_M);
    m_probe->Char(ALLEGRO_KEY_ENTER);
    for (int pass = 0; pass < 3; ++pass)
    {
        m_probe->Step();
    }
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    EXPECT_FALSE(m_probe->MusicPlaying());
    for (int repeat = 0; repeat < 3; ++repeat)
    {
        m_probe->RepeatedChar(ALLEGRO_KEY_M);
    }
    m_probe->Step();
    EXPECT_FALSE(m_probe->MusicPlaying());
    m_probe->StepChar(ALLEGRO_KEY_M);
    EXPECT_TRUE(m_probe->MusicPlaying());
}

TEST_F(GameTest, EscapeHeldOnTheInstructionsReturnsToTheMenuWithoutQuitting)
{
    m_probe->StepChar(ALLEGRO_KEY_I);
    m_probe->StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, [this] {
        for (int repeat = 0; repeat < 5; ++repeat)
        {
            m_probe->RepeatedChar(ALLEGRO_KEY_ESCAPE);
        }
        m_probe->Char(ALLEGRO_KEY_ENTER);
    });
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
}

TEST_F(GameTest, TheResultScreenAnswersKeyDownsOnly)
{
    m_probe->EnterRound(0);
    m_probe->SetState(ROUND_OVER);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(SceneActor::GAME_OVER));

    // A held key repeats as character events: they must not skip the result.
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    m_probe->StepChar(ALLEGRO_KEY_ESCAPE);
    EXPECT_EQ(m_probe->State(), ROUND_OVER);

    m_probe->StepKeyDown(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    EXPECT_FALSE(m_probe->IsVisible(SceneActor::GAME_OVER));
}

TEST_F(GameTest, EscapeOnTheResultScreenQuits)
{
    m_probe->EnterRound(1);
    m_probe->SetState(ROUND_OVER);
    m_probe->StepKeyDown(ALLEGRO_KEY_ESCAPE);
    EXPECT_EQ(m_probe->State(), QUIT);
}

TEST_F(GameTest, OtherScreensIgnoreKeyDownsAndUnlistedKeys)
{
    m_probe->StepChar(ALLEGRO_KEY_I);
    m_probe->StepKeyDown(ALLEGRO_KEY_ESCAPE);
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), INSTRUCTIONS);
    m_probe->StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_ENTER});
    ASSERT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);

    m_probe->StepChar(ALLEGRO_KEY_4);
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);

    m_probe->StepChar(ALLEGRO_KEY_1);
    m_probe->StepKeyDown(ALLEGRO_KEY_ENTER);
    m_probe->StepChar(ALLEGRO_KEY_P);
    EXPECT_EQ(m_probe->State(), SHOW_RECIPE);

    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    m_probe->StepKeyDown(ALLEGRO_KEY_P);
    m_probe->StepKeyDown(ALLEGRO_KEY_ESCAPE);
    m_probe->StepChar(ALLEGRO_KEY_I);
    EXPECT_EQ(m_probe->State(), PLAYING);

    m_probe->StepChar(ALLEGRO_KEY_P);
    m_probe->StepKeyDown(ALLEGRO_KEY_P);
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), PAUSED);
}

class CloseFromEveryScreen : public GameTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(CloseFromEveryScreen, EndsTheGame)
{
    const int screen = GetParam();
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    if (screen != CHOOSE_DIFFICULTY)
    {
        m_probe->StepChar(ALLEGRO_KEY_1);
        if (screen != SHOW_RECIPE)
        {
            m_probe->StepChar(ALLEGRO_KEY_ENTER);
        }
    }
    m_probe->SetState(screen);
    m_probe->Close();
    m_probe->Char(ALLEGRO_KEY_ENTER); // the rest of the pass is dropped
    m_probe->Step();
    EXPECT_EQ(m_probe->State(), QUIT);
    EXPECT_TRUE(m_game->IsOver());
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseFromEveryScreen,
                         ::testing::Values(PAUSED, PLAYING, ROUND_OVER, SHOW_RECIPE, CHOOSE_DIFFICULTY, INSTRUCTIONS));
