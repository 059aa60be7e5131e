#pragma once

#include <string>
#include <vector>

// A recipe: its card and the names of its ingredients, in the order they fall.
// A name that repeats must be caught that many times.
struct Recipe
{
    std::string cardPath;
    std::vector<std::string> ingredients;
};

// What a difficulty changes: which three recipes, how fast things fall, and
// how many random extra ingredients fall after the recipe's.
struct DifficultySettings
{
    int firstRecipe;
    float speed;
    int distractors;
};

// The nine recipes: 0–2 easy, 3–5 medium, 6–8 hard.
const std::vector<Recipe>& RecipeCatalogue();

// 0 easy, 1 medium, 2 hard.
const DifficultySettings& SettingsForDifficulty(int difficulty);
