#include "componentsystem/DrawableComponent.h"
#include "pictures/BitmapFile.h"
#include "pictures/PictureAtlas.h"
#include "pictures/PicturePrefetch.h"
#include "pictures/PictureStore.h"
#include "support/AllegroFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

class PictureStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartAllegroForTests();
        m_red = WriteSolidPng(m_dir.File("red.png"), 30, 20, al_map_rgb(255, 0, 0));
        m_green = WriteSolidPng(m_dir.File("green.png"), 12, 40, al_map_rgb(0, 255, 0));
        m_liveBefore = PictureStore::Shared().LiveCount();
    }

    TempDir m_dir;
    std::string m_red, m_green;
    std::size_t m_liveBefore = 0;
};

TEST_F(PictureStoreTest, OneDecodeIsSharedUntilTheLastHolderLetsGo)
{
    const long readsBefore = PictureFileReads();
    auto first = std::make_unique<DrawableComponent>();
    auto second = std::make_unique<DrawableComponent>();
    first->Load(m_red);
    second->Load(m_dir.Path() + "/./red.png"); // the same file, spelt otherwise
    EXPECT_EQ(PictureFileReads() - readsBefore, 1);
    EXPECT_EQ(first->GetBitmap(), second->GetBitmap());

    first.reset();
    ASSERT_TRUE(second->IsLoaded());
    EXPECT_EQ(PixelAt(second->GetBitmap(), 29, 19), (Rgba{255, 0, 0, 255})) << "outlives the first holder";
    EXPECT_EQ(PictureStore::Shared().LiveCount(), m_liveBefore + 1);

    second.reset();
    EXPECT_EQ(PictureStore::Shared().LiveCount(), m_liveBefore) << "the last holder frees it";
    DrawableComponent again;
    again.Load(m_red);
    EXPECT_EQ(PictureFileReads() - readsBefore, 2) << "a freed picture is decoded anew";
}

TEST_F(PictureStoreTest, AFailedLoadIsNeitherKeptNorTriedAgain)
{
    const std::string missing = m_dir.File("missing.png");
    const long readsBefore = PictureFileReads();
    DrawableComponent first;
    DrawableComponent second;
    first.Load(missing);
    second.Load(missing);
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_FALSE(second.IsLoaded());
    EXPECT_EQ(second.GetBitmap(), nullptr);
    EXPECT_EQ(PictureFileReads() - readsBefore, 1);
    EXPECT_EQ(PictureStore::Shared().LiveCount(), m_liveBefore);
}

TEST_F(PictureStoreTest, AtlasPiecesStandInForTheirFilesAndOutliveTheAtlas)
{
    auto atlas = std::make_unique<PictureAtlas>();
    atlas->Build({m_red, m_dir.File("missing.png"), m_green});
    EXPECT_EQ(atlas->PieceCount(), 2u);

    const long readsBefore = PictureFileReads();
    DrawableComponent red;
    DrawableComponent green;
    red.Load(m_red);
    green.Load(m_green);
    EXPECT_EQ(PictureFileReads(), readsBefore) << "no file is read while the atlas holds its pieces";
    ASSERT_NE(al_get_parent_bitmap(red.GetBitmap()), nullptr);
    EXPECT_EQ(al_get_parent_bitmap(red.GetBitmap()), al_get_parent_bitmap(green.GetBitmap())) << "one sheet";
    EXPECT_EQ(green.GetWidth(), 12);
    EXPECT_EQ(green.GetHeight(), 40);

    atlas.reset();
    EXPECT_EQ(PixelAt(green.GetBitmap(), 11, 39), (Rgba{0, 255, 0, 255})) << "a held piece keeps its sheet";
    EXPECT_EQ(PixelAt(red.GetBitmap(), 0, 0), (Rgba{255, 0, 0, 255}));
}

TEST_F(PictureStoreTest, PrefetchedPicturesAreTakenOnceAndTheRestFreed)
{
    const std::string missing = m_dir.File("missing-prefetched.png");
    ALLEGRO_BITMAP* red = nullptr;
    ALLEGRO_BITMAP* again = nullptr;
    {
        // green is never taken: the prefetch frees it (LeakSanitizer would tell).
        PicturePrefetch prefetch({m_red, missing, m_green});
        red = LoadBitmapFile(m_red);
        EXPECT_EQ(LoadBitmapFile(missing), nullptr);
        again = LoadBitmapFile(m_red);
    }
    ASSERT_NE(red, nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(red, again) << "a prefetched decode is handed over once; the next load decodes anew";
    EXPECT_EQ(PixelAt(red, 29, 19), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(al_get_bitmap_width(again), 30);
    al_destroy_bitmap(red);
    al_destroy_bitmap(again);
}

TEST(SheetLayout, PicturesGoOnShelvesWithAGapAndWhatDoesNotFitIsLeftOut)
{
    struct Case
    {
        const char* what;
        std::vector<PictureSize> sizes;
        int side;
        std::vector<SheetPlace> places;
        int width, height;
    };
    const Case cases[] = {
        {"one row", {{30, 30}, {30, 20}}, 100, {{true, 0, 0}, {true, 31, 0}}, 61, 30},
        {"wraps below the tallest",
         {{40, 10}, {40, 30}, {40, 5}},
         100,
         {{true, 0, 0}, {true, 41, 0}, {true, 0, 31}},
         81,
         36},
        {"too wide or too tall", {{101, 5}, {10, 101}, {10, 10}}, 100, {{false}, {false}, {true, 0, 0}}, 10, 10},
        {"no room below", {{60, 60}, {60, 60}}, 100, {{true, 0, 0}, {false}}, 60, 60},
        {"empty picture", {{0, 10}}, 100, {{false}}, 0, 0},
    };
    for (const Case& c : cases)
    {
        const SheetLayout layout = LayOutOnShelves(c.sizes, c.side);
        ASSERT_EQ(layout.places.size(), c.places.size()) << c.what;
        for (std::size_t i = 0; i < c.places.size(); ++i)
        {
            EXPECT_EQ(layout.places[i].placed, c.places[i].placed) << c.what << ", picture " << i;
            EXPECT_EQ(layout.places[i].x, c.places[i].x) << c.what << ", picture " << i;
            EXPECT_EQ(layout.places[i].y, c.places[i].y) << c.what << ", picture " << i;
        }
        EXPECT_EQ(layout.width, c.width) << c.what;
        EXPECT_EQ(layout.height, c.height) << c.what;
    }
}
