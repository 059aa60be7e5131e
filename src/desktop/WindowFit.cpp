#include "desktop/WindowFit.h"

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

    const float scale =
        std::min(static_cast<float>(width) / PICTURE_WIDTH, static_cast<float>(height) / PICTURE_HEIGHT);
    const int pictureWidth = static_cast<int>(std::lround(PICTURE_WIDTH * scale));
    const int pictureHeight = static_cast<int>(std::lround(PICTURE_HEIGHT * scale));
    const int left = (width - pictureWidth) / 2;
    const int top = (height - pictureHeight) / 2;

    // The bars are painted every frame: after a flip the back buffer may hold anything.
    al_reset_clipping_rectangle();
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_set_clipping_rectangle(left, top, pictureWidth, pictureHeight);
    al_build_transform(&transform, static_cast<float>(left), static_cast<float>(top), scale, scale, 0.0f);
    al_use_transform(&transform);
}

void BeginFrame(ALLEGRO_COLOR colour)
{
    FitPictureToWindow();
    al_clear_to_color(colour);
}
