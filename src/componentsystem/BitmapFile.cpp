#include "componentsystem/BitmapFile.h"

#include <cstdio>
#include <set>

namespace
{
void ReportLoadFailureOnce(const std::string& path)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
    {
        std::fprintf(stderr, "Falha ao carregar imagem: %s\n", path.c_str());
    }
}
}

ALLEGRO_BITMAP* LoadBitmapFile(const std::string& path)
{
    const int callerFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags((callerFlags & ~ALLEGRO_VIDEO_BITMAP) | ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path.c_str());
    al_set_new_bitmap_flags(callerFlags);

    if (bitmap == nullptr)
    {
        ReportLoadFailureOnce(path);
        return nullptr;
    }
    if (al_get_current_display() != nullptr)
    {
        // Uses the caller's flags again: a video bitmap unless they ask for memory.
        al_convert_bitmap(bitmap);
    }
    return bitmap;
}
