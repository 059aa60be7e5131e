#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

#include <cmath>
#include <string>
#include <vector>

// The cook's moves, the catch, the icons and recycling, in a hard round (the
// ingredients fall one pixel a pass) whose ingredients the tests put in place.

class CatchingTest : public GameTest
{
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
        {
            return;
        }
        m_probe->EnterRound(2);
        m_probe->FinishGetReady();
        m_ids = m_probe->Spawned();
        m_probe->ParkAllIngredients();
    }

    void FaceRight(bool right)
    {
        right ? m_probe->Look(SceneActor::COOK)->ShowSecond() : m_probe->Look(SceneActor::COOK)->ShowFirst();
    }

    std::vector<int> m_ids;
};

// The rectangles' arithmetic is tested on its own (round_rules_test); here, that
// the round measures the cook by the picture it shows.
TEST_F(CatchingTest, TheCookCatchesWithThePictureItShows)
{
    struct Case
    {
        const char* what;
        bool facingRight; // 100 wide facing left, 90 facing right
        float x;          // the ingredient's, 30 × 30, at the cook's height
        bool caught;
    };
    const Case cases[] = {
        {"touching the left-facing cook's right edge", false, 450.0f, false},
        {"one column over it", false, 449.0f, true},
        {"there, the right-facing cook is narrower", true, 440.0f, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_probe->ParkAllIngredients();
        m_probe->PlaceCook(350.0f);
        FaceRight(c.facingRight);
        m_probe->PlaceIngredient(m_ids[0], c.x, 465.0f, true);
        const std::size_t before = m_probe->Caught().size();
        m_probe->Step();
        EXPECT_EQ(m_probe->Caught().size(), before + (c.caught ? 1 : 0));
    }
}

TEST_F(CatchingTest, ArrowsMoveTheCookAndTurnItWithinTheScreen)
{
    m_probe->PlaceCook(349.9f);
    FaceRight(true);
    m_probe->StepChar(ALLEGRO_KEY_LEFT);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 339.0f);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetY(), 465.0f);
    EXPECT_EQ(Shown(SceneActor::COOK), FixtureArt::COOK_LEFT);

    // Refused at the edge, measured with the picture shown before turning:
    // the cook neither moves nor turns.
    m_probe->PlaceCook(690.0f);
    m_probe->StepChar(ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 690.0f);
    EXPECT_EQ(Shown(SceneActor::COOK), FixtureArt::COOK_LEFT);
    m_probe->PlaceCook(680.0f);
    m_probe->StepChar(ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 690.0f);
    EXPECT_EQ(Shown(SceneActor::COOK), FixtureArt::COOK_RIGHT);
}

TEST_F(CatchingTest, CatchesComeBeforeTheMoveAndInListOrderWithTheMusicOff)
{
    m_probe->StepChar(ALLEGRO_KEY_M);
    ASSERT_FALSE(m_probe->MusicPlaying());

    // Touching the cook's top: tested where it stood, caught one fall later.
    m_probe->PlaceIngredient(m_ids[0], 400.0f, 435.0f, true);
    m_probe->Step();
    EXPECT_TRUE(m_probe->Caught().empty());
    m_probe->Step();
    EXPECT_EQ(m_probe->Caught(), std::vector<int>{m_ids[0]});

    m_probe->PlaceIngredient(m_ids[4], 360.0f, 470.0f, true);
    m_probe->PlaceIngredient(m_ids[2], 380.0f, 470.0f, true);
    m_probe->Step();
    EXPECT_EQ(m_probe->Caught(), (std::vector<int>{m_ids[0], m_ids[2], m_ids[4]}));
    const std::vector<int> icons = Icons();
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_EQ(m_probe->Names(icons), m_probe->Names(m_probe->Caught()));
    for (int slot = 0; slot < 3; ++slot)
    {
        EXPECT_EQ(m_probe->Place(icons[slot])->GetX(), 20.0f + 30.0f * slot);
        EXPECT_EQ(m_probe->Place(icons[slot])->GetY(), 8.0f);
        EXPECT_TRUE(m_probe->IsVisible(icons[slot]));
    }
}

TEST_F(CatchingTest, ACaughtIngredientSinksUnseenUntilRecycledAndQueued)
{
    const int id = m_ids[0];
    // Seven fall high up, so that recycled ingredients stay queued.
    for (int i = 1; i <= 7; ++i)
    {
        m_probe->PlaceIngredient(m_ids[i], 0.0f, 100.0f, true);
    }
    // Hidden: parked at the top it stays, below the top it sinks.
    m_probe->PlaceIngredient(m_ids[8], 0.0f, 0.25f, false);
    m_probe->PlaceIngredient(m_ids[9], 0.0f, 0.0f, false);
    m_probe->Step();
    EXPECT_EQ(m_probe->Place(m_ids[8])->GetY(), 1.25f);
    EXPECT_EQ(m_probe->Place(m_ids[9])->GetY(), 0.0f);

    m_probe->CatchById(id);
    EXPECT_FALSE(m_probe->IsVisible(id));
    EXPECT_EQ(m_probe->Place(id)->GetY(), 466.0f);
    m_probe->Step(); // still over the cook, but unseen
    EXPECT_EQ(m_probe->Caught(), std::vector<int>{id});
    EXPECT_EQ(m_probe->Place(id)->GetY(), 467.0f);

    // Reaching 600.0 exactly is not yet past the bottom.
    m_probe->PlaceIngredient(id, 350.0f, 599.0f, false);
    m_probe->PlaceIngredient(m_ids[7], 0.0f, 599.0f, true);
    m_probe->Step();
    EXPECT_EQ(m_probe->Place(id)->GetY(), 600.0f);
    EXPECT_TRUE(m_probe->IsVisible(m_ids[7]));
    EXPECT_EQ(m_probe->WaitingCount(), 0);

    m_probe->Step();
    EXPECT_EQ(m_probe->WaitingCount(), 2);
    for (int recycled : {id, m_ids[7]})
    {
        const float x = m_probe->Place(recycled)->GetX();
        EXPECT_EQ(m_probe->Place(recycled)->GetY(), 0.0f);
        EXPECT_FALSE(m_probe->IsVisible(recycled));
        EXPECT_TRUE(x >= 0.0f && x <= 770.0f && x == std::floor(x)) << x;
    }

    // One falls out of sight: the first queued falls again and can be caught again.
    m_probe->PlaceIngredient(m_ids[1], 0.0f, 0.0f, false);
    m_probe->Step();
    EXPECT_TRUE(m_probe->IsVisible(id));
    m_probe->CatchById(id);
    EXPECT_EQ(m_probe->Caught(), (std::vector<int>{id, id}));
    EXPECT_EQ(Icons().size(), 2u);
}

TEST_F(CatchingTest, IconsFillTwoRowsAndTheThirtyFirstCatchEndsTheRound)
{
    for (int k = 0; k < 30; ++k)
    {
        m_probe->CatchById(m_ids[k % m_ids.size()]);
    }
    ASSERT_EQ(m_probe->State(), PLAYING);
    const std::vector<int> caught = m_probe->Caught();
    const std::vector<int> icons = Icons();
    ASSERT_EQ(icons.size(), 30u);
    // The icons of the 1st, 15th, 16th and 30th catch.
    const struct
    {
        int k, x, y;
    } slots[] = {{1, 20, 8}, {15, 440, 8}, {16, 20, 38}, {30, 440, 38}};
    for (const auto& slot : slots)
    {
        SCOPED_TRACE(slot.k);
        const int icon = icons[slot.k - 1];
        EXPECT_EQ(m_probe->Place(icon)->GetX(), slot.x);
        EXPECT_EQ(m_probe->Place(icon)->GetY(), slot.y);
        EXPECT_EQ(m_probe->GetActor(icon)->GetName(), m_probe->GetActor(caught[slot.k - 1])->GetName());
    }
    auto expectIconsDrawn = [&] {
        for (const auto& slot : slots)
        {
            const std::string name = m_probe->GetActor(icons[slot.k - 1])->GetName();
            EXPECT_EQ(Pixel(slot.x + 15, slot.y + 15), FixtureArt::Ingredient(FixtureArt::CatalogueIndex(name)))
                << "icon " << slot.k;
        }
    };
    StepAndCapture();
    expectIconsDrawn();
    // In the pause frame too, with the pause strip moved off them.
    m_probe->Place(SceneActor::PAUSE)->SetY(300.0f);
    Capture([this] { m_probe->StepChar(ALLEGRO_KEY_P); });
    ASSERT_EQ(m_probe->State(), PAUSED);
    EXPECT_EQ(Pixel(400, 350), FixtureArt::PAUSE);
    expectIconsDrawn();
    m_probe->StepChar(ALLEGRO_KEY_P);

    // The 31st ends the round in its own frame, which draws nothing.
    Capture([this] { m_probe->CatchById(m_ids[0]); });
    EXPECT_EQ(m_probe->State(), ROUND_OVER);
    EXPECT_EQ(m_probe->Caught().size(), 31u);
    EXPECT_EQ(CountPixels(0, 0, 800, 600, {1, 2, 3, 255}), 800 * 600);
    StepAndCapture();
    EXPECT_FALSE(m_probe->IsRoundWon());
    EXPECT_EQ(CountPixels(0, 0, 800, 100, FixtureArt::GAME_OVER), 800 * 100);
}
