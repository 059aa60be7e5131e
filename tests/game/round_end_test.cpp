#include "support/GameFixture.h"

#include "content/SceneActors.h"
#include "gameplay/AccountLayout.h"
#include "gameplay/RoundRules.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// The end of a round, its judgement, and the new game after it. The rounds are
// of recipe 7, drawn by its first seed (RecipeSeeds.h): five Batata among them,
// from Batata to Ovo, with seven extras, one of them named like a recipe
// ingredient.

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
        ADD_FAILURE() << "the round is not the one these cases were written for";
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
    ASSERT_TRUE(m_probe->EnterRecipe(7));
    m_probe->FinishGetReady();
    const std::vector<int> catches = CatchesFor(GetParam().catches, *m_probe);
    ASSERT_FALSE(HasFailure());
    m_probe->ParkAllIngredients();
    for (int id : catches)
    {
        m_probe->CatchById(id);
    }
    ASSERT_EQ(m_probe->Caught(), catches);
    m_probe->ParkAllIngredients();

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

TEST_F(GameTest, TheResultOfALostRoundShowsEachIngredientWithItsCount)
{
    using RoundRules::Standing;
    // Recipe 7: its last egg missed, its first potato caught twice, and the
    // first extra that the recipe does not ask for caught once.
    ASSERT_TRUE(m_probe->EnterRecipe(7));
    m_probe->FinishGetReady();
    std::vector<int> catches = m_probe->Recipe();
    const std::vector<std::string> recipe = m_probe->Names(catches);
    const std::vector<int> spawned = m_probe->Spawned();
    const auto extra = std::find_if(spawned.begin(), spawned.end(), [&](int id) {
        return std::count(recipe.begin(), recipe.end(), m_probe->GetActor(id)->GetName()) == 0;
    });
    ASSERT_NE(extra, spawned.end());
    const std::string extraName = m_probe->GetActor(*extra)->GetName();
    catches.erase(catches.begin() + (std::find(recipe.rbegin(), recipe.rend(), "Ovo").base() - recipe.begin() - 1));
    catches.push_back(catches.front());
    catches.push_back(*extra);
    m_probe->ParkAllIngredients();
    for (int id : catches)
    {
        m_probe->CatchById(id);
    }
    m_probe->SetClock(0, 1);
    m_probe->StepTick();
    ASSERT_EQ(m_probe->State(), ROUND_OVER);
    StepAndCapture();
    EXPECT_EQ(ResultTextMismatch("Perdeu!"), 0);

    struct Entry
    {
        std::string name;
        const char* count;
        Standing standing;
    };
    const Entry entries[] = {
        {"Batata", "6/5", Standing::EXTRA}, {"Azeite", "2/2", Standing::MATCHED}, {"Cebola", "2/2", Standing::MATCHED},
        {"Alho", "2/2", Standing::MATCHED}, {"Ovo", "2/3", Standing::MISSING},    {extraName, "+1", Standing::EXTRA},
    };
    const int count = static_cast<int>(std::size(entries));
    const AccountLayout::Layout layout = AccountLayout::LayOut(count);
    ASSERT_EQ(static_cast<int>(layout.cells.size()), count);
    const Rgba panel = FixtureArt::GAME_OVER;
    using Colour = std::tuple<int, int, int>;
    auto colourOf = [](Rgba c) { return Colour{c.r, c.g, c.b}; };
    // Where each count is written: beside its picture, centred on its height.
    const OwnedFont font(al_load_font("Assets/Fonts/orangeJuice.ttf", AccountLayout::COUNT_FONT_SIZE, 0));
    ASSERT_NE(font, nullptr);
    const float countTop = (AccountLayout::CELL_HEIGHT - al_get_font_line_height(font.get())) / 2.0f;
    const int countLeft = AccountLayout::PICTURE_SIZE + AccountLayout::COUNT_GAP;
    // Room for the widest count a round can make.
    EXPECT_LE(al_get_text_width(font.get(), "31/5"), AccountLayout::COUNT_WIDTH);

    std::vector<Colour> countColours;
    std::map<Standing, std::set<std::pair<int, int>>> badges; // where each kind of badge shows its colour
    ALLEGRO_BITMAP* frame = Frame();
    al_lock_bitmap(frame, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
    for (int i = 0; i < count; ++i)
    {
        SCOPED_TRACE(entries[i].name);
        const AccountLayout::Cell cell = layout.cells[i];
        // The picture, away from the corner that a badge covers.
        EXPECT_EQ(PixelAt(frame, cell.x + 22, cell.y + 22),
                  FixtureArt::Ingredient(FixtureArt::CatalogueIndex(entries[i].name)));
        // The count's colour: the one most of its ink has.
        std::map<Colour, int> ink;
        for (int y = cell.y - 2; y < cell.y + AccountLayout::CELL_HEIGHT + 2; ++y)
        {
            for (int x = cell.x + countLeft; x < cell.x + AccountLayout::CELL_WIDTH; ++x)
            {
                const Rgba pixel = PixelAt(frame, x, y);
                ink[colourOf(pixel)] += pixel == panel ? 0 : 1;
            }
        }
        countColours.push_back(
            std::max_element(ink.begin(), ink.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
        // A badge on the picture's top-left corner, for what stands out only.
        const int panelBesidePicture = ::CountPixels(frame, {cell.x - 8, cell.y - 4, 8, 14}, panel);
        if (entries[i].standing == Standing::MATCHED)
        {
            EXPECT_EQ(panelBesidePicture, 8 * 14);
            continue;
        }
        EXPECT_LT(panelBesidePicture, 8 * 14 / 2);
        std::set<std::pair<int, int>>& badge = badges[entries[i].standing];
        badge.clear();
        for (int dy = -8; dy < 15; ++dy)
        {
            for (int dx = -8; dx < 15; ++dx)
            {
                if (colourOf(PixelAt(frame, cell.x + dx, cell.y + dy)) == countColours.back())
                {
                    badge.insert({dx, dy});
                }
            }
        }
    }
    al_unlock_bitmap(frame);

    // Matched counts share one colour; missing and extra ones each another.
    std::map<Standing, std::set<Colour>> colours;
    for (int i = 0; i < count; ++i)
    {
        colours[entries[i].standing].insert(countColours[i]);
    }
    for (const auto& [standing, shades] : colours)
    {
        EXPECT_EQ(shades.size(), 1u) << "standing " << static_cast<int>(standing);
    }
    EXPECT_EQ((std::set<Colour>{*colours[Standing::MATCHED].begin(), *colours[Standing::MISSING].begin(),
                                *colours[Standing::EXTRA].begin()})
                  .size(),
              3u);
    // Without colour the two badges still differ: their signs have other shapes.
    std::vector<std::pair<int, int>> differing;
    std::set_symmetric_difference(badges[Standing::MISSING].begin(), badges[Standing::MISSING].end(),
                                  badges[Standing::EXTRA].begin(), badges[Standing::EXTRA].end(),
                                  std::back_inserter(differing));
    EXPECT_GT(badges[Standing::MISSING].size(), 40u);
    EXPECT_GT(differing.size(), 10u);

    // Each count's text, compared with the same text written where it belongs.
    const OwnedBitmap expected(al_create_bitmap(800, 600));
    DrawInto(expected.get(), [&] {
        al_clear_to_color(al_map_rgba(panel.r, panel.g, panel.b, panel.a));
        for (int i = 0; i < count; ++i)
        {
            const auto [r, g, b] = countColours[i];
            al_draw_text(font.get(), al_map_rgb(r, g, b), layout.cells[i].x + countLeft, layout.cells[i].y + countTop,
                         0, entries[i].count);
        }
    });
    for (int i = 0; i < count; ++i)
    {
        const AccountLayout::Cell cell = layout.cells[i];
        const Area text{cell.x + countLeft, cell.y - 2, AccountLayout::CELL_WIDTH - countLeft,
                        AccountLayout::CELL_HEIGHT + 4};
        EXPECT_EQ(PixelMismatches(expected.get(), frame, text), 0)
            << entries[i].name << " should read " << entries[i].count;
    }
}

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
