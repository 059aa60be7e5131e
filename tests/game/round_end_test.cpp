#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

// The end of a round, its judgement, and the new game after it. The rounds are
// hard ones drawn after srand(1): recipe 7, five Batata among them, from Batata to
// Ovo, with seven extras, one of them named like a recipe ingredient.

namespace
{
enum Catches
{
    IN_REVERSE,
    AN_EXTRA_FOR_ITS_NAME,
    ONE_ACTOR_TWICE,
    ONE_TOO_MANY
};

struct Judgement
{
    const char* name;
    Catches catches;
    bool won;
};

void PrintTo(const Judgement& judgement, std::ostream* out)
{
    *out << judgement.name;
}

// The judgement's own cases are tested on names alone (round_rules_test);
// these are the ones where the round must turn ids into names.
const Judgement JUDGEMENTS[] = {
    {"TheRecipeInReverseOrder", IN_REVERSE, true},
    {"AnExtraCountsForItsName", AN_EXTRA_FOR_ITS_NAME, true},
    {"OneActorCaughtTwiceCountsTwice", ONE_ACTOR_TWICE, true},
    {"OneCatchTooMany", ONE_TOO_MANY, false},
};

std::vector<int> CatchesFor(Catches catches, const GameProbe& probe)
{
    std::vector<int> ids = probe.Recipe();
    const std::vector<std::string> names = probe.Names(ids);
    const std::vector<int> spawned = probe.Spawned();
    const auto extra = std::find_if(spawned.begin() + ids.size(), spawned.end(), [&](int id) {
        return std::count(names.begin(), names.end(), probe.GetActor(id)->GetName()) > 0;
    });
    const auto twin = std::find(names.begin() + 1, names.end(), names.front()) - names.begin();
    if (extra == spawned.end() || twin == static_cast<long>(names.size()) || names.front() == names.back())
    {
        ADD_FAILURE() << "the round of srand(1) is not the one these cases were written for";
        return ids;
    }
    switch (catches)
    {
    case IN_REVERSE:
        std::reverse(ids.begin(), ids.end());
        break;
    case AN_EXTRA_FOR_ITS_NAME:
        ids[std::find(names.begin(), names.end(), probe.GetActor(*extra)->GetName()) - names.begin()] = *extra;
        break;
    case ONE_ACTOR_TWICE: // the first Batata stands in for the second
        ids[twin] = ids.front();
        break;
    case ONE_TOO_MANY:
        ids.push_back(*extra);
        break;
    }
    return ids;
}
}

class RoundEnd : public GameTest, public ::testing::WithParamInterface<Judgement>
{
};

TEST_P(RoundEnd, IsJudgedWhenTheClockReachesZero)
{
    m_probe->EnterRound(2, 1);
    m_probe->FinishGetReady();
    const std::vector<int> catches = CatchesFor(GetParam().catches, *m_probe);
    ASSERT_FALSE(HasFailure());
    m_probe->ParkAllIngredients(static_cast<int>(m_probe->Spawned().size()) + 1);
    for (int id : catches)
    {
        m_probe->CatchById(id);
    }
    ASSERT_EQ(m_probe->Caught(), catches);
    m_probe->ParkAllIngredients(static_cast<int>(m_probe->Spawned().size()) + 1);

    // A complete recipe does not end the round early.
    for (int tick = 1; tick < 60; ++tick)
    {
        m_probe->StepTick();
        ASSERT_EQ(m_probe->State(), PLAYING) << "after " << tick << " ticks";
    }
    // The frame that ends the round shows nothing; the next one the result.
    m_probe->Tick();
    StepAndCapture();
    EXPECT_EQ(m_probe->State(), ROUND_OVER);
    EXPECT_EQ(CountPixels(0, 0, 800, 600, {1, 2, 3, 255}), 800 * 600);

    StepAndCapture();
    const bool won = GetParam().won;
    EXPECT_EQ(m_probe->IsRoundWon(), won);
    EXPECT_EQ(Pixel(100, 100), FixtureArt::GAME_OVER);
    EXPECT_EQ(ResultTextMismatch(won ? "Ganhou!" : "Perdeu!"), 0);
    EXPECT_GT(ResultTextMismatch(won ? "Perdeu!" : "Ganhou!"), 500);
}

INSTANTIATE_TEST_SUITE_P(Catches, RoundEnd, ::testing::ValuesIn(JUDGEMENTS),
                         [](const ::testing::TestParamInfo<Judgement>& info) { return info.param.name; });

TEST_F(GameTest, ANewGameRebuildsTheSceneAndKeepsTheMusicAsThePlayerLeftIt)
{
    m_probe->StepChar(ALLEGRO_KEY_M); // on the menu
    m_probe->EnterRound(1);
    m_probe->FinishGetReady();
    m_probe->StepChar(ALLEGRO_KEY_RIGHT);
    m_probe->StepTick();
    m_probe->CatchById(m_probe->Spawned().front());
    m_probe->SetClock(0, 1);
    m_probe->StepTick();
    ASSERT_EQ(m_probe->State(), ROUND_OVER);
    ASSERT_FALSE(m_probe->MusicPlaying());

    m_probe->StepKeyDown(ALLEGRO_KEY_ENTER);
    EXPECT_EQ(m_probe->State(), CHOOSE_DIFFICULTY);
    for (ActorId id = 1; id <= SceneActor::COUNT; ++id)
    {
        ASSERT_NE(m_probe->GetActor(id), nullptr) << id;
        EXPECT_EQ(m_probe->GetActor(id)->GetName(), SceneActorPlans()[id - 1].name);
        const bool shown = id == SceneActor::BACKGROUND || id == SceneActor::COOK || id == SceneActor::SOUND ||
                           id == SceneActor::DIFFICULTY; // drawn by this pass
        EXPECT_EQ(m_probe->IsVisible(id), shown) << id;
    }
    EXPECT_EQ(m_probe->GetActor(9), nullptr);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 350.0f);
    EXPECT_EQ(Shown(SceneActor::COOK), FixtureArt::COOK_LEFT);
    EXPECT_TRUE(m_probe->Spawned().empty());
    EXPECT_TRUE(m_probe->Recipe().empty());
    EXPECT_TRUE(m_probe->Caught().empty());
    EXPECT_EQ(m_probe->WaitingCount(), 0);
    EXPECT_EQ(m_probe->CatalogueSize(), 0);
    EXPECT_EQ(m_probe->Minutes(), 1);
    EXPECT_EQ(m_probe->Seconds(), 0);
    EXPECT_EQ(m_probe->ReadyCount(), 3);
    EXPECT_EQ(m_probe->NextRelease(), 1);
    EXPECT_FALSE(m_probe->SoundOn());
    EXPECT_FALSE(m_probe->MusicPlaying());
    EXPECT_EQ(Shown(SceneActor::SOUND), FixtureArt::SOUND_OFF);

    m_probe->StepChar(ALLEGRO_KEY_1);
    EXPECT_EQ(m_probe->Spawned().front(), 9);
}
