#include "support/AllegroFixture.h"

#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// tools/sanitize/KeepGlDriverLoaded.cpp: Mesa's driver stays loaded, so that
// LeakSanitizer can name its leaks.
bool GlDriverKeptLoaded();
#endif

void StartAllegroForTests()
{
#if defined(__SANITIZE_ADDRESS__)
    static const bool driverKept = GlDriverKeptLoaded();
    (void)driverKept;
#endif
    static const bool started = al_init() && al_init_image_addon();
    ASSERT_TRUE(started) << "Allegro did not start";
}

std::string WriteSolidPng(const std::string& path, int width, int height, ALLEGRO_COLOR colour)
{
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    al_set_new_bitmap_flags(previousFlags);
    EXPECT_NE(bitmap, nullptr);

    ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    al_clear_to_color(colour);
    al_set_target_bitmap(previousTarget);

    EXPECT_TRUE(al_save_bitmap(path.c_str(), bitmap)) << path;
    al_destroy_bitmap(bitmap);
    return path;
}

Rgba PixelAt(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &r, &g, &b, &a);
    return {r, g, b, a};
}

MemoryCanvas::MemoryCanvas(int width, int height)
    : m_previousTarget(al_get_target_bitmap())
    , m_previousFlags(al_get_new_bitmap_flags())
{
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    m_bitmap = al_create_bitmap(width, height);
    al_set_new_bitmap_flags(m_previousFlags);
    al_set_target_bitmap(m_bitmap);
    al_clear_to_color(al_map_rgb(0, 0, 0));
}

MemoryCanvas::~MemoryCanvas()
{
    al_set_target_bitmap(m_previousTarget);
    al_destroy_bitmap(m_bitmap);
}

Rgba MemoryCanvas::At(int x, int y) const
{
    return PixelAt(m_bitmap, x, y);
}
