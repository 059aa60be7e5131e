#include "desktop/AssetsFolder.h"

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

TEST(AssetsFolder, TheFirstCandidateHoldingTheGamesOwnAssetsWins)
{
    TempDir dir;
    auto holdGameFiles = [&dir](const char* folder) {
        fs::create_directories(dir.File(folder) + "/Assets/Fonts");
        fs::create_directories(dir.File(folder) + "/Assets/Music");
        std::ofstream(dir.File(folder) + "/Assets/Fonts/orangeJuice.ttf") << "font";
        std::ofstream(dir.File(folder) + "/Assets/Music/Fornalina.ogg") << "music";
    };
    holdGameFiles("exe");
    holdGameFiles("share");
    fs::create_directories(dir.File("work"));
    std::ofstream(dir.File("work/Assets")) << "a file, not a folder";
    fs::create_directories(dir.File("other/Assets/Fonts")); // another program's
    std::ofstream(dir.File("other/Assets/Fonts/orangeJuice.ttf")) << "font";
    holdGameFiles("broken");
    fs::remove(dir.File("broken/Assets/Music/Fornalina.ogg"));
    fs::create_directory(dir.File("broken/Assets/Music/Fornalina.ogg")); // a folder, not the music

    EXPECT_EQ(FindAssetsRoot({dir.File("work"), "", dir.File("other"), dir.File("exe"), dir.File("share")}),
              dir.File("exe"));
    EXPECT_EQ(FindAssetsRoot({dir.File("broken"), dir.File("share"), dir.File("exe")}), dir.File("share"));
    EXPECT_EQ(FindAssetsRoot({dir.File("work"), dir.File("other"), dir.File("missing")}), "");
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
    // Another program's Assets/ there is not the game's: it is passed over.
    fs::create_directories(elsewhere.File("Assets/Fonts"));
    std::ofstream(elsewhere.File("Assets/Fonts/other.ttf")) << "not the game's";
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
