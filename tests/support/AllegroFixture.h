#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

// Starts Allegro and its image add-on once per test process (no display).
void StartAllegroForTests();

// Runs draw with the drawing going into target, then where it went before.
void DrawInto(ALLEGRO_BITMAP* target, const std::function<void()>& draw);

// Writes a w × h PNG filled with one colour and returns its path.
std::string WriteSolidPng(const std::string& path, int width, int height, ALLEGRO_COLOR colour);

// Reads one pixel of a bitmap as 0–255 components.
struct Rgba
{
    unsigned char r, g, b, a;
    bool operator==(const Rgba& other) const
    {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Rgba& c)
{
    return out << "rgba(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}
Rgba PixelAt(ALLEGRO_BITMAP* bitmap, int x, int y);

// A rectangle of pixels.
struct Area
{
    int left, top, width, height;
};
// How many pixels of the area have that colour.
int CountPixels(ALLEGRO_BITMAP* bitmap, Area area, Rgba colour);
// How many pixels of the area differ between two bitmaps: in any way, or where
// same is given, in a way it does not pass.
int PixelMismatches(ALLEGRO_BITMAP* expected, ALLEGRO_BITMAP* shown, Area area, bool (*same)(Rgba, Rgba) = nullptr);

// A bitmap and a font, owned for the life of the pointer.
struct BitmapDeleter
{
    void operator()(ALLEGRO_BITMAP* bitmap) const
    {
        al_destroy_bitmap(bitmap);
    }
};
using OwnedBitmap = std::unique_ptr<ALLEGRO_BITMAP, BitmapDeleter>;
struct FontDeleter
{
    void operator()(ALLEGRO_FONT* font) const
    {
        al_destroy_font(font);
    }
};
using OwnedFont = std::unique_ptr<ALLEGRO_FONT, FontDeleter>;

// A picture file loaded into memory, where no display is needed; null when it
// cannot be read.
OwnedBitmap LoadMemoryBitmap(const std::string& path);

// Draws into a memory bitmap for the life of the object, then restores the target.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    Rgba At(int x, int y) const;

private:
    ALLEGRO_BITMAP* m_bitmap;
    ALLEGRO_BITMAP* m_previousTarget;
    int m_previousFlags;
};
