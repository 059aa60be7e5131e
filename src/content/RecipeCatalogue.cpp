#include "content/RecipeCatalogue.h"

#include <array>

const std::vector<Recipe>& RecipeCatalogue()
{
    static const std::vector<Recipe> recipes = {
        {"Assets/Sprites/FReceita1.png", {"Leite", "Ovo", "Farinha", "Ovo", "Chocolate"}},
        {"Assets/Sprites/FReceita2.png", {"Alho", "Macarrao", "Alho", "Azeite", "Alho"}},
        {"Assets/Sprites/FReceita3.png", {"Leite Condensado", "Chocolate", "Manteiga", "Chocolate"}},
        {"Assets/Sprites/MReceita1.png",
         {"Cenoura", "Batata", "Cenoura", "Batata", "Azeite", "Batata", "Alho", "Bacon"}},
        {"Assets/Sprites/MReceita2.png", {"Frango", "Arroz", "Alho", "Batata", "Frango", "Azeite", "Alho"}},
        {"Assets/Sprites/MReceita3.png",
         {"Laranja", "Maca", "Laranja", "Maca", "Banana", "Maca", "Banana", "Leite Condensado"}},
        {"Assets/Sprites/DReceita1.png",
         {"Camarao", "Alho", "Camarao", "Cebola", "Camarao", "Azeite", "Camarao", "Alho", "Pao", "Alho", "Cebola",
          "Pao"}},
        {"Assets/Sprites/DReceita2.png",
         {"Batata", "Azeite", "Batata", "Cebola", "Batata", "Alho", "Batata", "Ovo", "Batata", "Azeite", "Alho", "Ovo",
          "Cebola", "Ovo"}},
        {"Assets/Sprites/DReceita3.png",
         {"Tomate", "Alho", "Tomate", "Pao", "Tomate", "Ovo", "Tomate", "Ovo", "Azeite", "Alho", "Bacon", "Pao"}},
    };
    return recipes;
}

const DifficultySettings& SettingsForDifficulty(int difficulty)
{
    static const std::array<DifficultySettings, 3> settings = {{
        {0, 0.3f, 3},
        {3, 0.7f, 3 + 2},
        {6, 1.0f, 3 + 4},
    }};
    return settings[difficulty >= 0 && difficulty < 3 ? difficulty : 0];
}
