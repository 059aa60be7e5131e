#pragma once

#include <allegro5/allegro.h>

#include <string>

// Loads an image file for the caller to own (al_destroy_bitmap), or returns
// nullptr. A file that cannot be loaded is reported on standard error, once per
// path for the life of the process.
//
// The file is always decoded into a memory bitmap and only then converted to a
// video bitmap when a display exists: Allegro 5.2.8 leaves a locked video bitmap
// behind when a damaged PNG fails to load straight into video memory, and
// al_destroy_display then never returns.
ALLEGRO_BITMAP* LoadBitmapFile(const std::string& path);
