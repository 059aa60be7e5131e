#pragma once

#include <allegro5/allegro.h>

#include <string>

// Every picture of the game is at most 800 × 600; a PNG whose header declares
// more is refused before it is decoded, since a small file can unpack into
// gigabytes.
constexpr int LARGEST_PICTURE_SIDE = 2048;

// Loads an image file for the caller to own (al_destroy_bitmap), or returns
// nullptr. Only a regular file that holds a PNG of at most LARGEST_PICTURE_SIDE
// pixels a side is decoded. A file that cannot be loaded is reported on
// standard error and is not tried again for the life of the process: no second
// report, no second attempt's leak inside the decoder.
//
// The file is always decoded into a memory bitmap and only then converted to a
// video bitmap when a display exists: Allegro 5.2.8 leaves a locked video bitmap
// behind when a damaged PNG fails to load straight into video memory, and
// al_destroy_display then never returns.
ALLEGRO_BITMAP* LoadBitmapFile(const std::string& path);

// The decode of LoadBitmapFile without its bookkeeping, safe on any thread:
// the file's picture as a memory bitmap, or nullptr when it is not a regular
// file holding an acceptable PNG or does not decode. Nothing is reported.
ALLEGRO_BITMAP* DecodeAcceptablePictureIntoMemory(const std::string& path);

// How many times this process has read a picture file to decode it (failed
// attempts included): the benchmark checks that a running round reads none.
long PictureFileReads();

// The path made absolute and normal: the key under which a picture is known, as
// two folders may hold files of the same relative name.
std::string AbsolutePicturePath(const std::string& path);

// The width and height a PNG file's header declares; false when the file does
// not start as a PNG does.
bool ReadPngSize(const std::string& path, int& width, int& height);
