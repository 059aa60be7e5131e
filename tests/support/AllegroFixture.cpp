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

void DrawInto(ALLEGRO_BITMAP* target, const std::function<void()>& draw)
{
    ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
    al_set_target_bitmap(target);
    draw();
    al_set_target_bitmap(previousTarget);
}

std::string WriteSolidPng(const std::string& path, int width, int height, ALLEGRO_COLOR colour)
{
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    al_set_new_bitmap_flags(previousFlags);
    EXPECT_NE(bitmap, nullptr);
    DrawInto(bitmap, [colour] { al_clear_to_color(colour); });

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

namespace
{
// Holds a bitmap locked for reading, unless it already was, so that reading
// it pixel by pixel is quick.
class ReadLock
{
public:
    explicit ReadLock(ALLEGRO_BITMAP* bitmap)
        : m_bitmap(al_is_bitmap_locked(bitmap) ? nullptr : bitmap)
    {
        if (m_bitmap != nullptr)
        {
            al_lock_bitmap(m_bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
        }
    }
    ~ReadLock()
    {
        if (m_bitmap != nullptr)
        {
            al_unlock_bitmap(m_bitmap);
        }
    }
    ReadLock(const ReadLock&) = delete;
    ReadLock& operator=(const ReadLock&) = delete;

private:
    ALLEGRO_BITMAP* m_bitmap;
};

template <typename Counts>
int CountWhere(Area area, Counts counts)
{
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
    {
        for (int x = area.left; x < area.left + area.width; ++x)
        {
            count += counts(x, y) ? 1 : 0;
        }
    }
    return count;
}
}

int CountPixels(ALLEGRO_BITMAP* bitmap, Area area, Rgba colour)
{
    const ReadLock lock(bitmap);
    return CountWhere(area, [&](int x, int y) { return PixelAt(bitmap, x, y) == colour; });
}

int PixelMismatches(ALLEGRO_BITMAP* expected, ALLEGRO_BITMAP* shown, Area area, bool (*same)(Rgba, Rgba))
{
    const ReadLock expectedLock(expected);
    const ReadLock shownLock(shown);
    return CountWhere(area, [&](int x, int y) {
        const Rgba wanted = PixelAt(expected, x, y);
        const Rgba got = PixelAt(shown, x, y);
        return same != nullptr ? !same(wanted, got) : !(wanted == got);
    });
}

OwnedBitmap LoadMemoryBitmap(const std::string& path)
{
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    OwnedBitmap bitmap(al_load_bitmap(path.c_str()));
    al_set_new_bitmap_flags(flags);
    return bitmap;
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
