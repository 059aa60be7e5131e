#include "screen/WindowFit.h"

#include <gtest/gtest.h>

#include <string>

TEST(WindowFit, ThePictureFillsTheAreaKeepingFourToThreeOnWholePixels)
{
    struct Case
    {
        int areaWidth, areaHeight;
        PictureFit fit; // left, top, width, height, scale
    };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600, 1.0f}},
        {1600, 1200, {0, 0, 1600, 1200, 2.0f}},
        {1920, 1080, {240, 0, 1440, 1080, 1.8f}}, // bars left and right
        {1024, 1366, {0, 299, 1024, 768, 1.28f}}, // a tall tablet: bars above and below
        {1366, 768, {171, 0, 1024, 768, 1.28f}},  // an odd bar width: the extra pixel goes right
        {375, 667, {0, 193, 375, 281, 0.46875f}}, // a phone: 281.25 rows round down, never beyond the area
        {801, 601, {0, 0, 801, 601, 1.00125f}},   // 800.9999 and 601 columns: whole, inside
        {0, 600, {0, 0, 0, 0, 0.0f}},             // a hidden page
    };
    for (const Case& c : cases)
    {
        const PictureFit fit = FitPicture(c.areaWidth, c.areaHeight);
        const std::string area = std::to_string(c.areaWidth) + "x" + std::to_string(c.areaHeight);
        EXPECT_EQ(fit.left, c.fit.left) << area;
        EXPECT_EQ(fit.top, c.fit.top) << area;
        EXPECT_EQ(fit.width, c.fit.width) << area;
        EXPECT_EQ(fit.height, c.fit.height) << area;
        EXPECT_FLOAT_EQ(fit.scale, c.fit.scale) << area;
    }
}
