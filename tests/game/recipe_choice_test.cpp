#include "RecipeSeeds.h"
#include "support/GameFixture.h"

#include "componentsystem/SpeedComponent.h"
#include "content/RecipeCatalogue.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

// The difficulty key draws a recipe of its level and spawns the round's ingredients.

namespace
{
const float SPEEDS[] = {0.3f, 0.7f, 1.0f};
const std::size_t EXTRAS[] = {3, 5, 7};
}

class RecipeChoice : public GameTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(RecipeChoice, TakesTheFirstDrawAndSpawnsRecipeThenExtras)
{
    const int difficulty = GetParam();
    const float speed = SPEEDS[difficulty];
    std::set<int> drawn;
    m_probe->StepChar(ALLEGRO_KEY_ENTER);
    for (unsigned seed = 1; drawn.size() < 3 && seed <= 40; ++seed)
    {
        SCOPED_TRACE(::testing::Message() << "srand(" << seed << ")");
        const int recipe = RecipeAfterSeed(seed, difficulty);
        drawn.insert(recipe);
        Capture([&] { m_probe->ChooseDifficulty(difficulty, seed); });
        EXPECT_EQ(Pixel(100, 300), FixtureArt::RecipeCard(recipe));

        const std::vector<int> spawned = m_probe->Spawned();
        const std::vector<int> inRecipe = m_probe->Recipe();
        ASSERT_EQ(spawned.size(), RecipeCatalogue()[recipe].ingredients.size() + EXTRAS[difficulty]);
        EXPECT_EQ(m_probe->Names(inRecipe), RecipeCatalogue()[recipe].ingredients);
        // The recipe's actors first and only they in the recipe list; the
        // extras are catalogue ingredients, in the spawned list only.
        EXPECT_TRUE(std::equal(inRecipe.begin(), inRecipe.end(), spawned.begin()));
        for (std::size_t i = 0; i < spawned.size(); ++i)
        {
            const int id = spawned[i];
            EXPECT_EQ(id, 9 + static_cast<int>(i));
            EXPECT_GE(FixtureArt::CatalogueIndex(m_probe->GetActor(id)->GetName()), 0);
            EXPECT_FALSE(m_probe->IsVisible(id));
            EXPECT_EQ(m_probe->Place(id)->GetY(), 0.0f);
            const float x = m_probe->Place(id)->GetX();
            // Whole on screen and within the cook's reach: 800 less the 30-px sprite.
            EXPECT_TRUE(x >= 0.0f && x <= 770.0f && x == std::floor(x)) << x;
            EXPECT_EQ(m_probe->GetActor(id)->GetComponent<SpeedComponent>()->GetSpeed(), speed);
        }
        EXPECT_EQ(m_probe->CatalogueSize(), 21);
        EXPECT_EQ(m_probe->CatalogueSpeeds(), std::vector<float>(21, speed));

        // Back to the difficulty screen through a new game, for the next draw.
        m_probe->SetState(ROUND_OVER);
        m_probe->StepKeyDown(ALLEGRO_KEY_ENTER);
    }
    EXPECT_EQ(drawn.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Difficulties, RecipeChoice, ::testing::Values(0, 1, 2));
