#include "AssetsFolder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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
struct Launch
{
    bool exited = false; // false: still running when the wait ended, then stopped
    int status = 0;
    std::string errors;
};

// Starts the program in folder and gives it up to seconds to finish; a game
// that is still running then (waiting on its title menu) is stopped.
Launch RunIn(const std::string& program, const std::string& folder, double seconds)
{
    Launch launch;
    int errorPipe[2];
    if (pipe(errorPipe) != 0)
    {
        return launch;
    }
    const pid_t child = fork();
    if (child == 0)
    {
        dup2(errorPipe[1], STDERR_FILENO);
        close(errorPipe[0]);
        close(errorPipe[1]);
        if (chdir(folder.c_str()) == 0)
        {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(errorPipe[1]);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    launch.exited = WIFEXITED(status);
    launch.status = launch.exited ? WEXITSTATUS(status) : -1;

    char buffer[4096];
    ssize_t count;
    while ((count = read(errorPipe[0], buffer, sizeof buffer)) > 0)
    {
        launch.errors.append(buffer, static_cast<std::size_t>(count));
    }
    close(errorPipe[0]);
    return launch;
}
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
    EXPECT_TRUE(fs::is_regular_file(prefix.File("share/applications/fornalina.desktop")));
    EXPECT_TRUE(fs::is_regular_file(prefix.File("share/icons/hicolor/256x256/apps/fornalina.png")));

    // Found: the game gets past its start-up and waits on the title menu.
    const Launch found = RunIn(game, elsewhere.Path(), 3.0);
    EXPECT_FALSE(found.exited) << "stopped early with: " << found.errors;
    EXPECT_EQ(found.errors, "");

    // Not found anywhere: the start-up reports the first missing file and ends.
    const std::string lonely = elsewhere.File("fornalina");
    fs::copy_file(game, lonely);
    if (!fs::exists(fs::path(FORNALINA_INSTALLED_DATA_DIR) / "Assets"))
    {
        const Launch missing = RunIn(lonely, elsewhere.Path(), 30.0);
        EXPECT_TRUE(missing.exited);
        EXPECT_EQ(missing.status, 0);
        EXPECT_EQ(missing.errors, "Falha ao carregar fonte.\n");
    }
}
