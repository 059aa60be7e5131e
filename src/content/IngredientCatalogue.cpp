#include "content/IngredientCatalogue.h"

const std::array<Ingredient, INGREDIENT_COUNT>& IngredientCatalogue()
{
    static const std::array<Ingredient, INGREDIENT_COUNT> catalogue = {{
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
    return catalogue;
}
