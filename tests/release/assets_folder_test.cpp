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

TEST(AssetsFolder, TheFirstCandidateHoldingEveryFileStartUpNeedsWins)
{
    TempDir dir;
    const char* const needed[] = {"Fonts/orangeJuice.ttf", "Music/pot-lid-1.wav", "Music/Fornalina.ogg",
                                  "Sprites/Menu.png"};
    auto holdGameFiles = [&](const char* folder, int count) {
        for (int file = 0; file < count; ++file)
        {
            const fs::path path = dir.File(folder) + "/Assets/" + needed[file];
            fs::create_directories(path.parent_path());
            std::ofstream(path) << "a file of the game's";
        }
    };
    holdGameFiles("exe", 4);
    holdGameFiles("share", 4);
    fs::create_directories(dir.File("work"));
    std::ofstream(dir.File("work/Assets")) << "a file, not a folder";
    holdGameFiles("stray", 3);                              // the font and the sounds, but no menu picture
    fs::create_directories(dir.File("other/Assets/Fonts")); // another program's
    std::ofstream(dir.File("other/Assets/Fonts/orangeJuice.ttf")) << "font";
    holdGameFiles("broken", 4);
    fs::remove(dir.File("broken/Assets/Music/Fornalina.ogg"));
    fs::create_directory(dir.File("broken/Assets/Music/Fornalina.ogg")); // a folder, not the music

    EXPECT_EQ(FindAssetsRoot(
                  {dir.File("work"), "", dir.File("stray"), dir.File("other"), dir.File("exe"), dir.File("share")}),
              dir.File("exe"));
    EXPECT_EQ(FindAssetsRoot({dir.File("broken"), dir.File("share"), dir.File("exe")}), dir.File("share"));
    EXPECT_EQ(FindAssetsRoot({dir.File("work"), dir.File("other"), dir.File("missing")}), "");
    EXPECT_EQ(FindAssetsRoot({}), "");
}

TEST(BuiltGame, ADataFolderThatIsNotThereIsNamedNotReplaced)
{
    TempDir dir;
    std::ofstream(dir.File("a file")) << "not a folder";
    for (const std::string& chosen : {dir.File("missing"), dir.File("a file")})
    {
        GameProcess::Options options;
        options.set = {"LC_ALL=C", "FORNALINA_DATA_DIR=" + chosen};
        options.unset = {"DISPLAY", "WAYLAND_DISPLAY"}; // it must end before it tries a window
        GameProcess game(std::string(FORNALINA_BUILD_DIR) + "/fornalina", options);
        ASSERT_TRUE(game.WaitForExit(20.0));
        EXPECT_EQ(game.ExitStatus(), 1);
        EXPECT_EQ(game.Errors(), "Pasta de dados n\xE3o encontrada: " + chosen + "\n");
    }
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
