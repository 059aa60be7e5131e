#include "filechecks/AssetChecks.h"

namespace
{
// Draws one character on a small transparent memory bitmap and looks for ink.
bool LeavesInk(ALLEGRO_FONT* font, int character, ALLEGRO_BITMAP* canvas)
{
    al_set_target_bitmap(canvas);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    al_draw_glyph(font, al_map_rgb(255, 255, 255), 0.0f, 0.0f, character);
    ALLEGRO_LOCKED_REGION* pixels = al_lock_bitmap(canvas, ALLEGRO_PIXEL_FORMAT_ABGR_8888, ALLEGRO_LOCK_READONLY);
    bool ink = false;
    const int width = al_get_bitmap_width(canvas);
    const int height = al_get_bitmap_height(canvas);
    for (int y = 0; y < height && !ink; ++y)
    {
        const auto* row = static_cast<const unsigned char*>(pixels->data) + y * pixels->pitch;
        for (int x = 0; x < width && !ink; ++x)
        {
            ink = row[4 * x + 3] != 0;
        }
    }
    al_unlock_bitmap(canvas);
    return ink;
}
}

bool FontDrawsEveryCharacter(ALLEGRO_FONT* font, const char* characters)
{
    ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    const int side = al_get_font_line_height(font) * 2;
    ALLEGRO_BITMAP* canvas = side > 0 ? al_create_bitmap(side, side) : nullptr;
    al_set_new_bitmap_flags(previousFlags);

    bool all = canvas != nullptr;
    for (const char* character = characters; all && *character != '\0'; ++character)
    {
        all = LeavesInk(font, static_cast<unsigned char>(*character), canvas);
    }
    if (canvas != nullptr)
    {
        al_destroy_bitmap(canvas);
    }
    al_set_target_bitmap(previousTarget);
    return all;
}

bool SampleHasSound(ALLEGRO_SAMPLE* sample)
{
    return al_get_sample_length(sample) > 0 && al_get_sample_frequency(sample) > 0;
}

bool StreamCanPlay(ALLEGRO_AUDIO_STREAM* stream)
{
    return al_get_audio_stream_length_secs(stream) > 0.0 && al_get_audio_stream_frequency(stream) > 0;
}
