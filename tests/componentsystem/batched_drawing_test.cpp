#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "componentsystem/actormanager.h"
#include "componentsystem/drawingsystem.h"
#include "pictures/PictureAtlas.h"
#include "support/AllegroFixture.h"
#include "support/DisplayCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
constexpr int WIDTH = 160;
constexpr int HEIGHT = 100;

struct Placed
{
    int picture; // index into the pictures
    float x, y;
};

// A frame as the game draws one, in a video bitmap, read back into memory:
// either through DrawAll (held drawing) or actor by actor.
ALLEGRO_BITMAP* RenderFrame(const std::vector<std::string>& pictures, const std::vector<Placed>& scene, bool batched)
{
    ActorManager manager;
    DrawingSystem drawing;
    std::vector<int> ids;
    for (const Placed& placed : scene)
    {
        auto actor = manager.CreateActor("actor");
        auto* drawable = new DrawableComponent();
        drawable->Load(pictures[placed.picture]);
        auto* transform = new TransformableComponent();
        transform->SetPosition(placed.x, placed.y);
        transform->SetVisible(true);
        actor->AddComponent(drawable);
        actor->AddComponent(transform);
        drawing.Add(actor);
        ids.push_back(static_cast<int>(actor->GetID()));
    }
    ALLEGRO_BITMAP* frame = al_create_bitmap(WIDTH, HEIGHT);
    ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
    al_set_target_bitmap(frame);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    if (batched)
    {
        drawing.DrawAll();
        EXPECT_LT(drawing.BatchesInLastPass(), static_cast<int>(scene.size()));
    }
    else
    {
        for (int id : ids)
        {
            drawing.Draw(id);
        }
    }
    al_set_target_bitmap(previousTarget);
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* copy = al_clone_bitmap(frame);
    al_set_new_bitmap_flags(flags);
    al_destroy_bitmap(frame);
    return copy;
}

int DifferentPixels(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b)
{
    int different = 0;
    for (int y = 0; y < HEIGHT; ++y)
    {
        for (int x = 0; x < WIDTH; ++x)
        {
            different += PixelAt(a, x, y) == PixelAt(b, x, y) ? 0 : 1;
        }
    }
    return different;
}
}

TEST(BatchedDrawing, AtlasAndHeldDrawingLeaveEveryPixelAsDrawingOneByOne)
{
    SKIP_WITHOUT_DISPLAY();
    StartAllegroForTests();
    ALLEGRO_DISPLAY* display = al_create_display(WIDTH, HEIGHT);
    ASSERT_NE(display, nullptr);
    {
        TempDir dir;
        // Ingredients, some translucent, and a picture of its own texture (the
        // cook) whose id lies between theirs: layering must survive batching.
        // Falling ingredients stand between pixels, half-way ones included.
        const std::vector<std::string> pictures = {
            WriteSolidPng(dir.File("a.png"), 30, 30, al_map_rgb(200, 40, 40)),
            WriteSolidPng(dir.File("b.png"), 30, 30, al_map_rgba(20, 150, 20, 128)),
            WriteSolidPng(dir.File("c.png"), 25, 35, al_map_rgb(30, 30, 220)),
            WriteSolidPng(dir.File("d.png"), 30, 30, al_map_rgba(100, 100, 0, 60)),
            WriteSolidPng(dir.File("cook.png"), 50, 40, al_map_rgb(240, 240, 240)),
        };
        const std::vector<Placed> scene = {
            {0, 10, 10},    {1, 25.3f, 15.7f}, {4, 30, 20},    {2, 45, 25.5f}, {3, 55.5f, 5},
            {0, 70, 30.2f}, {1, 80.5f, 40},    {2, 60, 50.8f}, {3, 20, 45},    {0, 100.7f, 60},
        };
        ALLEGRO_BITMAP* oneByOneFromFiles = RenderFrame(pictures, scene, false);

        PictureAtlas atlas;
        atlas.Build({pictures[0], pictures[1], pictures[2], pictures[3]});
        ALLEGRO_BITMAP* batchedFromAtlas = RenderFrame(pictures, scene, true);
        ALLEGRO_BITMAP* oneByOneFromAtlas = RenderFrame(pictures, scene, false);

        EXPECT_EQ(DifferentPixels(batchedFromAtlas, oneByOneFromAtlas), 0);
        EXPECT_EQ(DifferentPixels(batchedFromAtlas, oneByOneFromFiles), 0);
        EXPECT_EQ(PixelAt(batchedFromAtlas, 40, 30), (Rgba{240, 240, 240, 255})) << "the cook lies over a and b";
        EXPECT_EQ(PixelAt(batchedFromAtlas, 50, 35), (Rgba{30, 30, 220, 255})) << "c lies over the cook";
        for (ALLEGRO_BITMAP* frame : {oneByOneFromFiles, batchedFromAtlas, oneByOneFromAtlas})
        {
            al_destroy_bitmap(frame);
        }
    }
    al_destroy_display(display);
}
