#include "componentsystem/DrawableComponent.h"

#include "support/AllegroFixture.h"
#include "support/HeapUsage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

class DrawableComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartAllegroForTests();
        m_left = WriteSolidPng(m_dir.File("left.png"), 100, 120, al_map_rgb(255, 0, 0));
        m_right = WriteSolidPng(m_dir.File("right.png"), 90, 130, al_map_rgb(0, 0, 255));
    }

    TempDir m_dir;
    std::string m_left;
    std::string m_right;
};

TEST_F(DrawableComponentTest, ShowsNothingUntilAFileLoads)
{
    DrawableComponent drawable;
    EXPECT_FALSE(drawable.IsLoaded());
    EXPECT_EQ(drawable.GetBitmap(), nullptr);
    EXPECT_EQ(drawable.GetWidth(), 0);
    EXPECT_EQ(drawable.GetHeight(), 0);
    drawable.ShowFirst();
    drawable.ShowSecond();
    EXPECT_EQ(drawable.GetBitmap(), nullptr);

    drawable.Load(m_left);
    EXPECT_TRUE(drawable.IsLoaded());
    ASSERT_NE(drawable.GetBitmap(), nullptr);
    EXPECT_EQ(drawable.GetWidth(), 100);
    EXPECT_EQ(drawable.GetHeight(), 120);
    EXPECT_EQ(PixelAt(drawable.GetBitmap(), 50, 60), (Rgba{255, 0, 0, 255}));
}

TEST_F(DrawableComponentTest, SizeFollowsTheShownImage)
{
    DrawableComponent cook;
    cook.Load(m_left);
    cook.ShowSecond();
    EXPECT_EQ(cook.GetWidth(), 100) << "no second image yet: the first stays shown";

    cook.LoadSecond(m_right);
    EXPECT_EQ(cook.GetWidth(), 100) << "loading the second image does not show it";
    cook.ShowSecond();
    EXPECT_EQ(cook.GetWidth(), 90);
    EXPECT_EQ(cook.GetHeight(), 130);
    cook.ShowFirst();
    EXPECT_EQ(cook.GetWidth(), 100);

    cook.ShowSecond();
    cook.Load(m_left);
    EXPECT_EQ(cook.GetWidth(), 100) << "Load shows the first image again";
}

TEST_F(DrawableComponentTest, AFailedLoadAfterAGoodOneShowsNothing)
{
    DrawableComponent drawable;
    drawable.Load(m_left);
    drawable.LoadSecond(m_dir.File("missing-second.png"));
    drawable.ShowSecond();
    EXPECT_EQ(drawable.GetWidth(), 100) << "a failed second image is never shown";

    drawable.Load(m_dir.File("missing.png"));
    EXPECT_FALSE(drawable.IsLoaded());
    EXPECT_EQ(drawable.GetBitmap(), nullptr);
    EXPECT_EQ(drawable.GetWidth(), 0);
    EXPECT_EQ(drawable.GetHeight(), 0);
}

TEST_F(DrawableComponentTest, ReplacedAndDestroyedImagesAreReleased)
{
    // One 512 × 512 image is a megabyte: keeping every replaced or destroyed copy
    // would grow the heap by hundreds of megabytes.
    const std::string big = WriteSolidPng(m_dir.File("big.png"), 512, 512, al_map_rgb(9, 9, 9));
    const std::size_t before = HeapBytesInUse();

    DrawableComponent reloaded;
    for (int i = 0; i < 100; ++i)
    {
        reloaded.Load(big);
        reloaded.LoadSecond(big);
        reloaded.ShowSecond();
    }
    for (int i = 0; i < 100; ++i)
    {
        DrawableComponent temporary;
        temporary.Load(big);
        temporary.LoadSecond(big);
    }

    const std::size_t after = HeapBytesInUse();
    EXPECT_LT(after, before + 16u * 1024u * 1024u) << "grew by " << (after - before) << " bytes";
    EXPECT_EQ(reloaded.GetWidth(), 512);
}
