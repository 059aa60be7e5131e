#pragma once

#include <allegro5/allegro.h>

#include <ostream>
#include <string>

// Starts Allegro and its image add-on once per test process (no display).
void StartAllegroForTests();

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
