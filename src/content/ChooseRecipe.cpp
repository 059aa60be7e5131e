#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "content/RecipeCatalogue.h"
#include "content/SceneActors.h"

#include <cstdlib>

void Game::ChooseRecipe()
{
    // The recipe is the first random draw, before the spawn columns.
    const int draw = std::rand() % 3;
    auto* card = m_actorManager.GetActor(SceneActor::RECIPE)->GetComponent<DrawableComponent>();

    const DifficultySettings& settings = SettingsForDifficulty(m_difficulty);
    LoadIngredients(settings.speed);
    const Recipe& recipe = RecipeCatalogue()[settings.firstRecipe + draw];
    card->Load(recipe.cardPath);

    for (const std::string& name : recipe.ingredients)
    {
        SpawnIngredient(name, true);
    }
    for (int i = 0; i < settings.distractors; ++i)
    {
        const int position = std::rand() % m_ingredientCatalogue.Size() + 1;
        IngredientRecord record;
        bool found = false;
        m_ingredientCatalogue.Get(record, position, found);
        if (found)
        {
            SpawnIngredient(record.name, false);
        }
    }
}
