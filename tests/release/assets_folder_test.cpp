#include "AssetsFolder.h"

#include "support/GameProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

TEST(AssetsFolder, TheFirstCandidateHoldingAssetsWins)
{
    TempDir dir;
    for (const char* folder : {"work", "exe", "share"})
    {
        fs::create_directories(dir.File(folder));
    }
    fs::create_directories(dir.File("exe/Assets"));
    fs::create_directories(dir.File("share/Assets"));
    std::ofstream(dir.File("work/Assets")) << "a file, not a folder";

    EXPECT_EQ(FindAssetsRoot({dir.File("work"), "", dir.File("exe"), dir.File("share")}), dir.File("exe"));
    EXPECT_EQ(FindAssetsRoot({dir.File("share"), dir.File("exe")}), dir.File("share"));
    EXPECT_EQ(FindAssetsRoot({dir.File("work"), dir.File("missing")}), "");
    EXPECT_EQ(FindAssetsRoot({}), "");
}

namespace
{
// Started from an empty folder, the game still finds its files: it draws the
// title menu in its window and waits there, having reported nothing.
void ExpectTheTitleMenuFrom(const std::string& program, const std::string& folder)
{
    GameProcess::Options options;
    options.folder = folder;
    GameProcess game(program, options);
    EXPECT_TRUE(WaitForPicture(game.Pid(), "Fornalina", 30.0)) << "no title menu; it wrote: " << game.Errors();
    EXPECT_FALSE(game.WaitForExit(0.2)) << "it ended with: " << game.Errors();
    EXPECT_EQ(game.Errors(), "");
}
}

TEST(BuiltGame, StartsFromAnyFolder)
{
    TempDir elsewhere;
    ExpectTheTitleMenuFrom(std::string(FORNALINA_BUILD_DIR) + "/fornalina", elsewhere.Path());
}

TEST(Install, TheInstalledGameStartsFromAnyFolder)
{
    TempDir prefix;
    TempDir elsewhere;
    const std::string install = std::string("cmake --install \"") + FORNALINA_BUILD_DIR + "\" --prefix \"" +
                                prefix.Path() + "\" > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;

    const std::string game = prefix.File("bin/fornalina");
    ASSERT_TRUE(fs::exists(game));
    EXPECT_TRUE(fs::is_regular_file(prefix.File("share/fornalina/Assets/Fonts/orangeJuice.ttf")));
    EXPECT_TRUE(fs::is_regular_file(prefix.File("share/applications/org.fornalina.fornalina.desktop")));
    EXPECT_TRUE(fs::is_regular_file(prefix.File("share/icons/hicolor/256x256/apps/org.fornalina.fornalina.png")));
    ExpectTheTitleMenuFrom(game, elsewhere.Path());
}
