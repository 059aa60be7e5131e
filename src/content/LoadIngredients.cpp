#include "Game.h"

#include "content/IngredientCatalogue.h"

#include <string>
#include <vector>

void Game::LoadIngredients(const float& speed)
{
    std::vector<std::string> pictures;
    for (const Ingredient& ingredient : IngredientCatalogue())
    {
        pictures.push_back(ingredient.spritePath);
    }
    m_ingredientPictures.Build(pictures);
    for (const Ingredient& ingredient : IngredientCatalogue())
    {
        IngredientRecord record;
        record.name = ingredient.name;
        record.x = 0;
        record.y = 0;
        record.visible = false;
        record.spritePath = ingredient.spritePath;
        record.points = 1;
        record.speed = speed;
        m_ingredientCatalogue.Insert(record);
    }
}

bool Game::FindIngredient(const std::string& name, IngredientRecord& record) const
{
    for (int position = 1; position <= m_ingredientCatalogue.Size(); ++position)
    {
        bool found = false;
        m_ingredientCatalogue.Get(record, position, found);
        if (found && record.name == name)
        {
            return true;
        }
    }
    return false;
}
