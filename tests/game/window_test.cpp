#include "support/GameFixture.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

// A resized window shows the same 800 × 600 picture, scaled to fit and centred
// between black bars, while the game itself keeps its own coordinates.
TEST_F(GameTest, AResizedWindowScalesThePictureBetweenBars)
{
    ALLEGRO_DISPLAY* display = al_get_current_display();
    ASSERT_TRUE(al_resize_display(display, 1200, 750)); // scale 1.25: 1000 × 750, bars of 100 at the sides
    ASSERT_EQ(al_get_display_width(display), 1200);

    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->ParkAllIngredients(1);
    m_probe->PlaceCook(200.0f);
    m_probe->Step();

    ALLEGRO_BITMAP* frame = al_get_backbuffer(display); // kept after the flip by Xvfb
    auto at = [frame](int x, int y) { return PixelAt(frame, x, y); };
    const Rgba black{0, 0, 0, 255};
    EXPECT_EQ(at(50, 375), black) << "left bar";
    EXPECT_EQ(at(1150, 375), black) << "right bar";
    EXPECT_EQ(at(105, 300), FixtureArt::BACKGROUND);
    // The cook's 100 × 120 picture at (200, 465) covers 350–475 × 581–731 on screen.
    EXPECT_EQ(at(355, 590), FixtureArt::COOK_LEFT);
    EXPECT_EQ(at(470, 725), FixtureArt::COOK_LEFT);
    EXPECT_EQ(at(480, 725), FixtureArt::BACKGROUND);

    // Logic is untouched: the cook still stands where the game put it.
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 200.0f);
    m_probe->StepChar(ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(m_probe->Place(SceneActor::COOK)->GetX(), 210.0f);
}
