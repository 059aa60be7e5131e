#include "content/IngredientCatalogue.h"
#include "content/RecipeCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The recipe cards are drawn by the asset generator from tools/assets/recipes.txt.
// A card must ask for exactly what the judgement counts: the same recipes, in
// the same places, with the same ingredients in the same falling order.

namespace
{
std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
    {
        parts.push_back(Trimmed(part));
    }
    return parts;
}

struct Card
{
    std::string picture;
    std::vector<std::string> ingredients;
};

// "picture | level | dish name | dish picture | ingredients, in, order".
std::vector<Card> ReadCards(const std::string& path)
{
    std::vector<Card> cards;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
    {
        if (line.empty() || line[0] == '#')
        {
            continue;
        }
        const std::vector<std::string> fields = Split(line, '|');
        if (fields.size() == 5)
        {
            cards.push_back({fields[0], Split(fields[4], ',')});
        }
        else
        {
            ADD_FAILURE() << "not a card: " << line;
        }
    }
    return cards;
}
}

TEST(RecipeCards, AskForWhatTheJudgementCounts)
{
    const std::vector<Card> cards = ReadCards("tools/assets/recipes.txt");
    ASSERT_EQ(cards.size(), RecipeCatalogue().size());
    for (std::size_t i = 0; i < cards.size(); ++i)
    {
        const Recipe& recipe = RecipeCatalogue()[i];
        EXPECT_EQ("Assets/Sprites/" + cards[i].picture + ".png", recipe.cardPath) << "recipe " << i;
        EXPECT_EQ(cards[i].ingredients, recipe.ingredients) << "recipe " << i;
    }
}

TEST(RecipeCards, NameOnlyIngredientsThatFall)
{
    for (const Recipe& recipe : RecipeCatalogue())
    {
        for (const std::string& name : recipe.ingredients)
        {
            const auto& catalogue = IngredientCatalogue();
            EXPECT_TRUE(std::any_of(catalogue.begin(), catalogue.end(),
                                    [&name](const Ingredient& ingredient) { return name == ingredient.name; }))
                << name << " in " << recipe.cardPath;
        }
    }
}
