#include "AssetsFolder.h"

#include "support/DisplayCheck.h"
#include "support/GameProcess.h"
#include "support/GameWindow.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

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
// title menu in its window and waits there, having reported nothing. When
// given, dataFolder is where it must have found them: it works from there.
void ExpectTheTitleMenuFrom(const std::string& program, const std::string& folder,
                            const std::string& dataFolder = std::string())
{
    GameProcess::Options options;
    options.folder = folder;
    GameProcess game(program, options);
    EXPECT_TRUE(GameWindow(game.Pid()).WaitForPicture("Assets/Sprites/Menu.png", 30.0))
        << "no title menu; it wrote: " << game.Errors();
    if (!dataFolder.empty())
    {
        std::error_code error;
        const fs::path working = fs::read_symlink("/proc/" + std::to_string(game.Pid()) + "/cwd", error);
        EXPECT_EQ(working, fs::canonical(dataFolder)) << error.message();
    }
    EXPECT_FALSE(game.WaitForExit(0.2)) << "it ended with: " << game.Errors();
    EXPECT_EQ(game.Errors(), "");
}
}

TEST(BuiltGame, StartsFromAnyFolder)
{
    SKIP_WITHOUT_DISPLAY();
    TempDir elsewhere;
    ExpectTheTitleMenuFrom(std::string(FORNALINA_BUILD_DIR) + "/fornalina", elsewhere.Path());
}

TEST(Install, TheInstalledGameStartsFromAnyFolder)
{
    SKIP_WITHOUT_DISPLAY();
    for (const char* folder : {FORNALINA_INSTALL_BINDIR, FORNALINA_INSTALL_DATADIR, FORNALINA_INSTALL_SHAREDIR})
    {
        if (fs::path(folder).is_absolute())
        {
            GTEST_SKIP() << "this build installs into " << folder << ", outside any prefix a test can choose";
        }
    }
    TempDir prefix;
    TempDir elsewhere;
    const std::string install =
        std::string("cmake --install \"") + FORNALINA_BUILD_DIR + "\" --prefix \"" + prefix.Path() + "\" > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;

    const std::string game = prefix.File(FORNALINA_INSTALL_BINDIR "/fornalina");
    const std::string share = prefix.File(FORNALINA_INSTALL_SHAREDIR "/");
    ASSERT_TRUE(fs::exists(game)) << game;
    EXPECT_TRUE(fs::is_regular_file(prefix.File(FORNALINA_INSTALL_DATADIR "/Assets/Fonts/orangeJuice.ttf")));
    EXPECT_TRUE(fs::is_regular_file(share + "applications/org.fornalina.fornalina.desktop"));
    EXPECT_TRUE(fs::is_regular_file(share + "icons/hicolor/256x256/apps/org.fornalina.fornalina.png"));
    // From its own data folder, not from the source tree it was built from.
    ExpectTheTitleMenuFrom(game, elsewhere.Path(), prefix.File(FORNALINA_INSTALL_DATADIR));
}
