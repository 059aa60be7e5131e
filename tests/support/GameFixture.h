#pragma once

#include "Game.h"
#include "GameProbe.h"
#include "support/AllegroFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The pictures of the test kitchen: plain colours and sizes chosen so that a
// test can tell from one pixel what was drawn where. The font, the sound and the
// music are the game's own.
namespace FixtureArt
{
constexpr Rgba BACKGROUND{0, 0, 128, 255};     // 800 × 600
constexpr Rgba COOK_LEFT{255, 0, 0, 255};      // 100 × 120
constexpr Rgba COOK_RIGHT{255, 128, 0, 255};   // 90 × 120
constexpr Rgba PAUSE{0, 160, 0, 255};          // 800 × 100, the top strip
constexpr Rgba GAME_OVER{60, 0, 60, 255};      // 800 × 600
constexpr Rgba DIFFICULTY{0, 128, 128, 255};   // 800 × 600
constexpr Rgba INSTRUCTIONS{128, 0, 128, 255}; // 800 × 600
constexpr Rgba MENU{128, 128, 0, 255};         // 800 × 600
constexpr Rgba SOUND_ON{255, 255, 0, 255};     // 40 × 40
constexpr Rgba SOUND_OFF{0, 255, 255, 255};    // 40 × 40
constexpr int COOK_LEFT_WIDTH = 100;
constexpr int COOK_RIGHT_WIDTH = 90;
constexpr int COOK_HEIGHT = 120;
constexpr int INGREDIENT_SIZE = 30;

// Recipe card 0–8 and catalogue ingredient 0–20 each have a colour of their own.
Rgba RecipeCard(int index);
Rgba Ingredient(int catalogueIndex);
// The catalogue index of an ingredient name, or -1.
int CatalogueIndex(const std::string& name);

// Writes the whole test Assets/ tree under root, copying the font and the
// sounds from the game's own Assets/ folder in the working directory.
void WriteAssets(const std::string& root);
}

// A started Game in a temporary folder holding the test kitchen's Assets/,
// driven through a GameProbe. Each test starts on the title menu.
class GameTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Brings the game from the title menu to a screen with the keys a player
    // would press: SHOW_RECIPE shows the easy recipe drawn after srand(1),
    // PLAYING is the get-ready count of its round, PAUSED comes two clock
    // ticks into it, ROUND_OVER after its clock ran out.
    void GoTo(int state);

    // Runs one pass of the main loop with its drawing redirected into a bitmap
    // of our own, so that its pixels can be read back.
    void StepAndCapture();
    // The same for a pass that the caller runs in its own way.
    void Capture(const std::function<void()>& pass);
    // The last captured frame, and a pixel of it.
    ALLEGRO_BITMAP* Frame() const;
    Rgba Pixel(int x, int y) const;
    // How many pixels of a rectangle of the last capture have that colour.
    int CountPixels(int left, int top, int width, int height, Rgba colour) const;
    // How many pixels of the result text's band differ, white or not white, from
    // the text drawn as the result screen draws it: 0 when that is the text shown.
    int ResultTextMismatch(const char* text) const;

    // The caught-ingredient icons in catch order: every actor made after the
    // last spawned ingredient.
    std::vector<int> Icons() const;

    // The colour of the image an actor of the game scene shows (every picture
    // of the test kitchen is one colour).
    Rgba Shown(ActorId id) const;

    TempDir m_dir;
    std::string m_previousDirectory;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<GameProbe> m_probe;
    ALLEGRO_BITMAP* m_capture = nullptr;
};
