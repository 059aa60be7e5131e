#pragma once

#include "content/RecipeCatalogue.h"

#include <cstdlib>

// Which seed makes the game draw which recipe. The difficulty key draws the
// recipe with the first rand() after it: recipe 3 × difficulty + rand() % 3
// (0–2 easy, 3–5 medium, 6–8 hard). Tests and tools choose a round's recipe by
// the seed they give srand just before the key (GameProbe::EnterRound).

// The recipe the game draws at that difficulty after srand(seed); it seeds the
// generator itself.
inline int RecipeAfterSeed(unsigned seed, int difficulty)
{
    std::srand(seed);
    return 3 * difficulty + std::rand() % 3;
}

// The first seed after which the game draws that recipe; 0 for none.
inline unsigned SeedForRecipe(int recipe)
{
    const bool known = recipe >= 0 && recipe < static_cast<int>(RecipeCatalogue().size());
    for (unsigned seed = 1; known && seed <= 1000; ++seed)
    {
        if (RecipeAfterSeed(seed, recipe / 3) == recipe)
        {
            return seed;
        }
    }
    return 0;
}
