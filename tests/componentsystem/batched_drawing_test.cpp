#include "componentsystem/actormanager.h"
#include "componentsystem/drawingsystem.h"
#include "pictures/PictureAtlas.h"
#include "support/AllegroFixture.h"
#include "support/DisplayCheck.h"
#include "support/DrawnActor.h"
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
OwnedBitmap RenderFrame(const std::vector<std::string>& pictures, const std::vector<Placed>& scene, bool batched)
{
    ActorManager manager;
    DrawingSystem drawing;
    std::vector<int> ids;
    for (const Placed& placed : scene)
    {
        auto actor = MakeDrawnActor(manager, pictures[placed.picture], placed.x, placed.y);
        drawing.Add(actor);
        ids.push_back(static_cast<int>(actor->GetID()));
    }
    const OwnedBitmap frame(al_create_bitmap(WIDTH, HEIGHT));
    DrawInto(frame.get(), [&] {
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
    });
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    OwnedBitmap copy(al_clone_bitmap(frame.get()));
    al_set_new_bitmap_flags(flags);
    return copy;
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
        const OwnedBitmap oneByOneFromFiles = RenderFrame(pictures, scene, false);

        PictureAtlas atlas;
        atlas.Build({pictures[0], pictures[1], pictures[2], pictures[3]});
        const OwnedBitmap batchedFromAtlas = RenderFrame(pictures, scene, true);
        const OwnedBitmap oneByOneFromAtlas = RenderFrame(pictures, scene, false);

        const Area frame{0, 0, WIDTH, HEIGHT};
        EXPECT_EQ(PixelMismatches(batchedFromAtlas.get(), oneByOneFromAtlas.get(), frame), 0);
        EXPECT_EQ(PixelMismatches(batchedFromAtlas.get(), oneByOneFromFiles.get(), frame), 0);
        EXPECT_EQ(PixelAt(batchedFromAtlas.get(), 40, 30), (Rgba{240, 240, 240, 255})) << "the cook lies over a and b";
        EXPECT_EQ(PixelAt(batchedFromAtlas.get(), 50, 35), (Rgba{30, 30, 220, 255})) << "c lies over the cook";
    }
    al_destroy_display(display);
}
