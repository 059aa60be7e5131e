#pragma once

#include <string>

// One catalogue entry: the template from which ingredient actors and the
// caught-ingredient icons are built.
struct IngredientRecord
{
    std::string name; // the key recipes use (exact, case-sensitive)
    int x = 0;        // spawn position, pixels
    int y = 0;
    bool visible = false; // whether the built actor starts visible
    std::string spritePath;
    int points = 0;
    float speed = 0.0f; // pixels per update step (1/60 s)
};
