#include "Game.h"

#include <array>

namespace
{
struct CatalogueRow
{
    const char* name;
    const char* spritePath;
};

// Catalogue order: the fruits first, then alphabetical.
const std::array<CatalogueRow, 21> CATALOGUE = {{
    {"Maca", "Assets/Sprites/Ingredientes/Maca.png"},
    {"Laranja", "Assets/Sprites/Ingredientes/Laranja.png"},
    {"Banana", "Assets/Sprites/Ingredientes/Banana.png"},
    {"Alho", "Assets/Sprites/Ingredientes/Alho.png"},
    {"Arroz", "Assets/Sprites/Ingredientes/Arroz.png"},
    {"Azeite", "Assets/Sprites/Ingredientes/Azeite.png"},
    {"Bacon", "Assets/Sprites/Ingredientes/Bacon.png"},
    {"Batata", "Assets/Sprites/Ingredientes/Batata.png"},
    {"Camarao", "Assets/Sprites/Ingredientes/Camarao.png"},
    {"Cebola", "Assets/Sprites/Ingredientes/Cebola.png"},
    {"Cenoura", "Assets/Sprites/Ingredientes/Cenoura.png"},
    {"Chocolate", "Assets/Sprites/Ingredientes/Chocolate.png"},
    {"Farinha", "Assets/Sprites/Ingredientes/Farinha.png"},
    {"Frango", "Assets/Sprites/Ingredientes/Frango.png"},
    {"Leite", "Assets/Sprites/Ingredientes/Leite.png"},
    {"Leite Condensado", "Assets/Sprites/Ingredientes/LeiteCondensado.png"},
    {"Macarrao", "Assets/Sprites/Ingredientes/Macarrao.png"},
    {"Manteiga", "Assets/Sprites/Ingredientes/Manteiga.png"},
    {"Ovo", "Assets/Sprites/Ingredientes/Ovo.png"},
    {"Pao", "Assets/Sprites/Ingredientes/Pao.png"},
    {"Tomate", "Assets/Sprites/Ingredientes/Tomate.png"},
}};
}

void Game::LoadIngredients(const float& speed)
{
    for (const CatalogueRow& row : CATALOGUE)
    {
        IngredientRecord record;
        record.name = row.name;
        record.x = 0;
        record.y = 0;
        record.visible = false;
        record.spritePath = row.spritePath;
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
