#pragma once

#include <allegro5/allegro.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>

// A decoded picture shared by everything that shows it; the last holder to let
// go destroys the bitmap.
using Picture = std::shared_ptr<ALLEGRO_BITMAP>;

// Hands out one decoded picture per file (keyed by absolute path) for as long as
// someone holds it, so a hundred actors of one ingredient cost one decode and
// one texture. The store itself holds nothing alive: a picture nobody holds is
// freed, and asked for again it is decoded again. A file that fails is never
// remembered as a picture (LoadBitmapFile reports it once).
class PictureStore
{
public:
    // The process's one store: pictures belong to the one library instance.
    static PictureStore& Shared();

    // The picture of that file, shared with every live holder; nullptr when the
    // file cannot be loaded.
    Picture Load(const std::string& path);
    // Makes `picture` the one handed out for `path` from now on while it lives
    // (an atlas piece in place of the file's own decode).
    void Offer(const std::string& path, const Picture& picture);
    // How many pictures are alive and shared right now.
    std::size_t LiveCount();

private:
    void ForgetReleased();

    std::map<std::string, std::weak_ptr<ALLEGRO_BITMAP>> m_pictures;
};

// Wraps a bitmap the caller made (al_create_bitmap, al_load_bitmap) so that it
// is destroyed with its last holder; nullptr stays nullptr.
Picture AdoptBitmap(ALLEGRO_BITMAP* bitmap);
