#include "pictures/BitmapFile.h"

#include "support/AllegroFixture.h"
#include "support/Bytes.h"
#include "support/TempDir.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

// Picture files that must not be decoded: oversized ones (a small file can
// unpack into gigabytes), and anything but a regular file (a FIFO blocks).

namespace fs = std::filesystem;

namespace
{
// A PNG signature and an IHDR that declares width × height, and nothing else.
std::string WritePngHeader(const std::string& path, std::uint32_t width, std::uint32_t height)
{
    WriteFileContents(path, std::string("\x89PNG\r\n\x1A\n") + Big(13, 4) + "IHDR" + Big(width, 4) + Big(height, 4));
    return path;
}
}

TEST(BitmapFile, DecodesOnlyRegularPngFilesOfAtMostTheLargestSide)
{
    StartAllegroForTests();
    TempDir dir;
    const ALLEGRO_COLOR grey = al_map_rgb(90, 90, 90);
    mkfifo(dir.File("fifo.png").c_str(), 0600);
    fs::create_directory(dir.File("folder.png"));
    std::ofstream(dir.File("text.png")) << "not a picture";

    struct Case
    {
        std::string path;
        bool loads;
    };
    const Case cases[] = {
        {WriteSolidPng(dir.File("largest.png"), LARGEST_PICTURE_SIDE, 4, grey), true},
        {WriteSolidPng(dir.File("tall.png"), 4, LARGEST_PICTURE_SIDE, grey), true},
        {WriteSolidPng(dir.File("wide.png"), LARGEST_PICTURE_SIDE + 1, 4, grey), false},
        {WriteSolidPng(dir.File("high.png"), 4, LARGEST_PICTURE_SIDE + 1, grey), false},
        {WritePngHeader(dir.File("bomb.png"), 20000, 20000), false},
        {WritePngHeader(dir.File("negative.png"), 0x80000000u, 16), false},
        {dir.File("fifo.png"), false}, // opening it would block
        {dir.File("folder.png"), false},
        {dir.File("text.png"), false},
        {dir.File("missing.png"), false},
    };
    for (const Case& c : cases)
    {
        testing::internal::CaptureStderr();
        ALLEGRO_BITMAP* bitmap = LoadBitmapFile(c.path);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(bitmap != nullptr, c.loads) << c.path;
        EXPECT_EQ(errors, c.loads ? "" : "Falha ao carregar imagem: " + c.path + "\n");
        if (bitmap != nullptr)
        {
            al_destroy_bitmap(bitmap);
        }
    }
}

TEST(BitmapFile, AFileThatFailedIsNotTriedAgain)
{
    StartAllegroForTests();
    TempDir dir;
    const std::string path = dir.File("damaged.png");
    std::ofstream(path) << "damaged";

    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadBitmapFile(path), nullptr);
    // Mended since, it still counts as failed: a new game does not decode it
    // again, nor report it again.
    WriteSolidPng(path, 8, 8, al_map_rgb(1, 2, 3));
    EXPECT_EQ(LoadBitmapFile(path), nullptr);
    EXPECT_EQ(LoadBitmapFile(dir.Path() + "/./damaged.png"), nullptr);
    EXPECT_EQ(Occurrences(testing::internal::GetCapturedStderr(), "damaged.png"), 1);

    // The same name in another folder is another file.
    TempDir other;
    ALLEGRO_BITMAP* bitmap = LoadBitmapFile(WriteSolidPng(other.File("damaged.png"), 8, 8, al_map_rgb(1, 2, 3)));
    EXPECT_NE(bitmap, nullptr);
    al_destroy_bitmap(bitmap);
}
