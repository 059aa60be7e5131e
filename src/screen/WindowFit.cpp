#include "screen/WindowFit.h"

#include "content/ScreenLayout.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cmath>

namespace
{
using ScreenLayout::PICTURE_HEIGHT;
using ScreenLayout::PICTURE_WIDTH;

bool IsIdentity(const ALLEGRO_TRANSFORM* transform)
{
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    return std::equal(&transform->m[0][0], &transform->m[0][0] + 16, &identity.m[0][0]);
}
}

PictureFit FitPicture(int areaWidth, int areaHeight)
{
    if (areaWidth <= 0 || areaHeight <= 0)
    {
        return {0, 0, 0, 0, 0.0f};
    }
    const float scale =
        std::min(static_cast<float>(areaWidth) / PICTURE_WIDTH, static_cast<float>(areaHeight) / PICTURE_HEIGHT);
    // Never wider or taller than the area, whatever the rounding.
    const int width = std::min(areaWidth, static_cast<int>(std::lround(PICTURE_WIDTH * scale)));
    const int height = std::min(areaHeight, static_cast<int>(std::lround(PICTURE_HEIGHT * scale)));
    return {(areaWidth - width) / 2, (areaHeight - height) / 2, width, height, scale};
}

void FitPictureToWindow()
{
    ALLEGRO_BITMAP* target = al_get_target_bitmap();
    const int width = al_get_bitmap_width(target);
    const int height = al_get_bitmap_height(target);

    ALLEGRO_TRANSFORM transform;
    if (width == PICTURE_WIDTH && height == PICTURE_HEIGHT)
    {
        // The usual case costs nothing once the target is set up.
        if (!IsIdentity(al_get_current_transform()))
        {
            al_identity_transform(&transform);
            al_use_transform(&transform);
            al_reset_clipping_rectangle();
        }
        return;
    }

    const PictureFit fit = FitPicture(width, height);

    // The bars are painted every frame: after a flip the back buffer may hold anything.
    al_reset_clipping_rectangle();
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_set_clipping_rectangle(fit.left, fit.top, fit.width, fit.height);
    al_build_transform(&transform, static_cast<float>(fit.left), static_cast<float>(fit.top), fit.scale, fit.scale,
                       0.0f);
    al_use_transform(&transform);
}

void BeginFrame(ALLEGRO_COLOR colour)
{
    FitPictureToWindow();
    al_clear_to_color(colour);
}
