#pragma once

#include <array>

// An ingredient that can fall: its name, the key by which recipes name it
// (exact and case-sensitive), and its sprite.
struct Ingredient
{
    const char* name;
    const char* spritePath;
};

constexpr int INGREDIENT_COUNT = 21;

// The 21 ingredients in catalogue order: the fruits first, then alphabetical.
const std::array<Ingredient, INGREDIENT_COUNT>& IngredientCatalogue();
