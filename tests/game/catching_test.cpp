#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

#include <cmath>
#include <string>
#include <vector>

// The cook's moves, the catch, the icons and recycling, in a hard round (the
// ingredients fall one pixel a frame) whose ingredients the tests place.

namespace
{
struct Overlap
{
    const char* what;
    float cookX;
    bool facingRight;
    float x, y; // the ingredient's, 30 × 30
    bool caught;
};

// The cook stands at y 465, 100 × 120 facing left, 90 × 120 facing right.
const Overlap OVERLAPS[] = {
    {"touching the left edge", 350.0f, false, 320.0f, 465.0f, false},
    {"one column over the left edge", 350.0f, false, 321.0f, 465.0f, true},
    {"touching the right edge", 350.0f, false, 450.0f, 465.0f, false},
    {"one column over the right edge", 350.0f, false, 449.0f, 465.0f, true},
    {"449.9 counts as column 449", 350.0f, false, 449.9f, 465.0f, true},
    {"touching the top", 350.0f, false, 400.0f, 435.0f, false},
    {"one row over the top", 350.0f, false, 400.0f, 436.0f, true},
    {"touching the bottom", 350.0f, false, 400.0f, 585.0f, false},
    {"one row over the bottom", 350.0f, false, 400.0f, 584.0f, true},
    {"touching a corner", 350.0f, false, 320.0f, 435.0f, false},
    {"a cook at 349.9 ends before column 449", 349.9f, false, 449.0f, 465.0f, false},
    {"facing right the cook is 90 wide", 350.0f, true, 440.0f, 465.0f, false},
    {"one column into the right-facing cook", 350.0f, true, 439.0f, 465.0f, true},
};

struct CookMove
{
    float x;
    bool facingRight;
    int key;
    float expectedX;
    bool expectFacingRight;
};

const CookMove MOVES[] = {
    {20.0f, true, ALLEGRO_KEY_LEFT, 10.0f, false},
    {10.0f, true, ALLEGRO_KEY_LEFT, 10.0f, true}, // refused: the image stays too
    {349.9f, false, ALLEGRO_KEY_LEFT, 339.0f, false},
    {349.9f, false, ALLEGRO_KEY_RIGHT, 359.0f, true},
    {689.0f, false, ALLEGRO_KEY_RIGHT, 699.0f, true}, // 100 + 689 + 10 < 800
    {690.0f, false, ALLEGRO_KEY_RIGHT, 690.0f, false},
    {699.0f, true, ALLEGRO_KEY_RIGHT, 709.0f, true}, // 90 + 699 + 10 < 800
    {700.0f, true, ALLEGRO_KEY_RIGHT, 700.0f, true},
};
}

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
        m_probe->ParkAllIngredients(static_cast<int>(m_ids.size()) + 1);
    }

    void FaceRight(bool right)
    {
        right ? m_probe->Look(SceneActor::COOK)->ShowSecond() : m_probe->Look(SceneActor::COOK)->ShowFirst();
    }

    std::vector<int> m_ids;
};

TEST_F(CatchingTest, RectanglesAreHalfOpenAndPositionsTruncated)
{
    for (const Overlap& overlap : OVERLAPS)
    {
        SCOPED_TRACE(overlap.what);
        m_probe->ParkAllIngredients(static_cast<int>(m_ids.size()) + 1);
        m_probe->PlaceCook(overlap.cookX);
        FaceRight(overlap.facingRight);
        m_probe->PlaceIngredient(m_ids[0], overlap.x, overlap.y, true);
        const std::size_t before = m_probe->Caught().size();
        m_probe->Step();
        EXPECT_EQ(m_probe->Caught().size(), before + (overlap.caught ? 1 : 0));
    }
}

TEST_F(CatchingTest, ArrowsMoveTheCookByTenAndTurnIt)
{
    for (const CookMove& move : MOVES)
    {
        SCOPED_TRACE(::testing::Message() << "x " << move.x << (move.key == ALLEGRO_KEY_LEFT ? " left" : " right"));
        m_probe->PlaceCook(move.x);
        FaceRight(move.facingRight);
        m_probe->StepChar(move.key);
        EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), move.expectedX);
        EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetY(), 465.0f);
        EXPECT_EQ(Shown(SceneActor::COOK), move.expectFacingRight ? FixtureArt::COOK_RIGHT : FixtureArt::COOK_LEFT);
    }
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
        EXPECT_TRUE(x >= 0.0f && x < 800.0f && x == std::floor(x)) << x;
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
