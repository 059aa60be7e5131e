#include "pictures/BitmapFile.h"

#include "filechecks/RegularFile.h"
#include "pictures/PicturePrefetch.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace
{
// Paths of files that failed, made absolute.
std::set<std::string>& FailedFiles()
{
    static std::set<std::string> failed;
    return failed;
}

std::atomic<long> fileReads{0};

std::uint32_t BigEndian(const unsigned char* bytes)
{
    return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) | (std::uint32_t(bytes[2]) << 8) |
           std::uint32_t(bytes[3]);
}

bool IsAcceptablePicture(const std::string& path)
{
    int width = 0;
    int height = 0;
    return IsRegularFile(path) && ReadPngSize(path, width, height) && width <= LARGEST_PICTURE_SIDE &&
           height <= LARGEST_PICTURE_SIDE;
}

// The picture as a memory bitmap made with these flags, or nullptr when the
// file is not acceptable or does not decode. Memory only: a video bitmap
// belongs to the display's thread, and Allegro 5.2.8 leaves a locked video
// bitmap behind when a damaged PNG fails to load straight into video memory.
ALLEGRO_BITMAP* DecodeIntoMemory(const std::string& path, int memoryFlags)
{
    if (!IsAcceptablePicture(path))
    {
        return nullptr;
    }
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(memoryFlags);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path.c_str());
    al_set_new_bitmap_flags(previousFlags);
    return bitmap;
}

// Into video memory when a display exists, with the caller's flags, unless
// they ask for memory.
void ConvertForTheDisplay(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap != nullptr && al_get_current_display() != nullptr)
    {
        al_convert_bitmap(bitmap);
    }
}
}

bool ReadPngSize(const std::string& path, int& width, int& height)
{
    // The signature, then the first chunk, which must be IHDR: its length,
    // its name, then width and height as 32-bit big-endian numbers.
    static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    unsigned char header[24];
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(header), sizeof header) || !std::equal(SIGNATURE, SIGNATURE + 8, header) ||
        !std::equal(header + 12, header + 16, "IHDR"))
    {
        return false;
    }
    const std::uint32_t declaredWidth = BigEndian(header + 16);
    const std::uint32_t declaredHeight = BigEndian(header + 20);
    if (declaredWidth > 0x7FFFFFFF || declaredHeight > 0x7FFFFFFF)
    {
        return false; // not a valid PNG
    }
    width = static_cast<int>(declaredWidth);
    height = static_cast<int>(declaredHeight);
    return true;
}

ALLEGRO_BITMAP* DecodeAcceptablePictureIntoMemory(const std::string& path)
{
    // Memory only: the picture never joins the list of bitmaps converted when a
    // display comes, whatever thread decodes it.
    return DecodeIntoMemory(path, ALLEGRO_MEMORY_BITMAP);
}

long PictureFileReads()
{
    return fileReads.load();
}

std::string AbsolutePicturePath(const std::string& path)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal().string();
}

ALLEGRO_BITMAP* LoadBitmapFile(const std::string& path)
{
    const std::string key = AbsolutePicturePath(path);
    if (FailedFiles().count(key) != 0)
    {
        return nullptr;
    }
    ++fileReads;
    bool prefetched = false;
    ALLEGRO_BITMAP* bitmap = TakePrefetchedBitmap(key, prefetched);
    if (!prefetched)
    {
        bitmap = DecodeIntoMemory(path, (al_get_new_bitmap_flags() & ~ALLEGRO_VIDEO_BITMAP) | ALLEGRO_MEMORY_BITMAP);
    }
    ConvertForTheDisplay(bitmap);
    if (bitmap == nullptr)
    {
        FailedFiles().insert(key);
        std::fprintf(stderr, "Falha ao carregar imagem: %s\n", path.c_str());
    }
    return bitmap;
}
