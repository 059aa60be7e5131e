#include "support/Clock.h"
#include "support/DisplayCheck.h"
#include "support/GameProcess.h"
#include "support/GameWindow.h"
#include "support/TempDir.h"
#include "support/Text.h"
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

// The built game on a desktop: its command line, and fullscreen on an X server
// of its own with a window manager, remembered from one launch to the next.

namespace
{
const char* const MENU = "Assets/Sprites/Menu.png";
const char* const DIFFICULTY = "Assets/Sprites/Dificuldade.png";

// Waits up to seconds until the file holds that text; true when it does.
bool WaitForContents(const std::string& path, const std::string& part, double seconds)
{
    return WaitUntil(seconds, 0.05, [&] { return Holds(FileContents(path), part); });
}
}

TEST(CommandLine, HelpVersionAndUnknownOptionsExitWithoutAWindow)
{
    struct Case
    {
        const char* option;
        int status;
        const char* output; // a part of what it prints
    };
    const Case cases[] = {
        {"--help", 0, "Uso: fornalina"},
        {"--version", 0, "fornalina 1.0.0\n"},
        {"--bogus", 2, ""},
        {"", 2, ""},
    };
    for (const Case& c : cases)
    {
        TempDir folder;
        GameProcess::Options options;
        options.folder = folder.Path();
        options.arguments = {c.option};
        options.unset = {"DISPLAY", "WAYLAND_DISPLAY"}; // a window could not even be tried
        options.set = {"LC_ALL=C"};
        GameProcess game(FORNALINA_BINARY, options);
        ASSERT_TRUE(game.WaitForExit(20.0)) << c.option;
        EXPECT_EQ(game.ExitStatus(), c.status) << c.option;
        if (c.status == 2)
        {
            EXPECT_NE(game.Errors().find("fornalina: op\xE7\xE3o desconhecida: "), std::string::npos) << game.Errors();
            EXPECT_EQ(game.Output(), "");
        }
        else
        {
            EXPECT_EQ(game.Errors(), "") << c.option;
            EXPECT_NE(game.Output().find(c.output), std::string::npos) << game.Output();
        }
        if (std::string(c.option) == "--help")
        {
            // Where the settings are, as this player's XDG_CONFIG_HOME has it.
            EXPECT_NE(game.Output().find(game.SettingsFolder() + "/fornalina/settings.cfg"), std::string::npos)
                << game.Output();
        }
    }
}

TEST(CommandLine, AnAnswerThatCannotBeWrittenExitsWithOne)
{
    for (const char* option : {"--help", "--version"})
    {
        const std::string command = std::string("'") + FORNALINA_BINARY + "' " + option + " 2>&1 > /dev/full";
        std::FILE* game = popen(command.c_str(), "r");
        ASSERT_NE(game, nullptr);
        char line[200] = "";
        const bool said = std::fgets(line, sizeof line, game) != nullptr;
        const int status = pclose(game);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << option << ": " << status;
        EXPECT_TRUE(said && std::string(line).find("fornalina: ") == 0) << option << ": " << line;
    }
}

TEST(BuiltGame, StartsWithItsStandardStreamsClosed)
{
    // Nothing to read, nowhere to write, and a message to write: a damaged
    // settings file. The message must not go into whatever file the game
    // opens next (the X connection). An X server of its own, as a window on a
    // shared one may cover another test's.
    SKIP_WITHOUT_XVFB();
    VirtualDisplay server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    TempDir settings;
    std::filesystem::create_directories(settings.File("fornalina"));
    std::ofstream(settings.File("fornalina/settings.cfg")) << "[game]\nmusic=banana\n";
    for (const std::vector<int>& closed : {std::vector<int>{2}, std::vector<int>{0, 1, 2}})
    {
        GameProcess::Options options;
        options.settings = settings.Path();
        options.set = {server.Variable()};
        options.closed = closed;
        GameProcess game(FORNALINA_BINARY, options);
        const GameWindow window(game.Pid(), server.Name());
        ASSERT_TRUE(window.WaitForPicture(MENU, 30.0)) << "no title menu with " << closed.size() << " closed";
        ASSERT_TRUE(window.Close());
        ASSERT_TRUE(game.WaitForExit(20.0));
        EXPECT_EQ(game.ExitStatus(), 0);
    }
}

TEST(Fullscreen, FollowsTheKeysAndTheWindowManagerAndIsRememberedUnlessOverridden)
{
    SKIP_WITHOUT_XVFB();
    VirtualDisplay server; // 1024 × 768
    ASSERT_FALSE(server.Name().empty());
    if (!server.StartWindowManager())
    {
        GTEST_SKIP() << "no window manager (openbox) to make a window fullscreen";
    }
    TempDir folder;
    TempDir settings;
    GameProcess::Options options;
    options.folder = folder.Path();
    options.settings = settings.Path();
    options.set = {server.Variable()};
    const std::string file = settings.Path() + "/fornalina/settings.cfg";
    {
        GameProcess game(FORNALINA_BINARY, options);
        const GameWindow window(game.Pid(), server.Name());
        ASSERT_TRUE(window.WaitForPicture(MENU, 30.0)) << game.Errors();
        window.PressKey("F11"); // on the menu, which waits for a key
        EXPECT_TRUE(window.WaitForPicture(MENU, 1024, 768, 10.0)) << "not fullscreen, or not scaled";
        EXPECT_TRUE(WaitForContents(file, "fullscreen=on", 10.0)) << FileContents(file);
        // The window manager switches by itself: the game follows, remembers
        // it, and its own keys go on from where the window really is.
        window.PressKey("Return");
        ASSERT_TRUE(window.WaitForPicture(DIFFICULTY, 1024, 768, 10.0));
        ASSERT_TRUE(window.SwitchFullscreen());
        EXPECT_TRUE(window.WaitForPicture(DIFFICULTY, 800, 600, 10.0)) << "not back in a window";
        EXPECT_TRUE(WaitForContents(file, "fullscreen=off", 10.0)) << FileContents(file);
        window.PressKey("Alt_L+Return");
        EXPECT_TRUE(window.WaitForPicture(DIFFICULTY, 1024, 768, 10.0)) << "Alt+Enter did not fill the screen";
        EXPECT_TRUE(WaitForContents(file, "fullscreen=on", 10.0)) << FileContents(file);
        EXPECT_TRUE(window.Close());
        EXPECT_TRUE(game.WaitForExit(20.0));
        EXPECT_EQ(game.ExitStatus(), 0) << game.Errors();
    }
    {
        // Remembered: the next launch starts fullscreen, unless told otherwise
        // for that launch only.
        GameProcess game(FORNALINA_BINARY, options);
        EXPECT_TRUE(GameWindow(game.Pid(), server.Name()).WaitForPicture(MENU, 1024, 768, 30.0)) << game.Errors();
    }
    {
        // Saving the music switch keeps the remembered fullscreen, not this
        // launch's.
        options.arguments = {"--window"};
        GameProcess game(FORNALINA_BINARY, options);
        const GameWindow window(game.Pid(), server.Name());
        EXPECT_TRUE(window.WaitForPicture(MENU, 800, 600, 30.0)) << game.Errors();
        window.PressKey("m");
        EXPECT_TRUE(WaitForContents(file, "music=off", 10.0)) << FileContents(file);
        EXPECT_NE(FileContents(file).find("fullscreen=on"), std::string::npos) << "an override is not remembered";
    }
}

TEST(BuiltGame, ClosedAfterARoundHasBegunEndsWithZero)
{
    // The round's pictures (the ingredient sheet among them) must all go
    // before the library ends, or the exit crashes. An X server of its own:
    // keys pressed on a shared one may reach another test's window.
    SKIP_WITHOUT_XVFB();
    VirtualDisplay server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    GameProcess::Options options;
    options.set = {server.Variable()};
    GameProcess game(FORNALINA_BINARY, options);
    const GameWindow window(game.Pid(), server.Name());
    ASSERT_TRUE(window.WaitForPicture(MENU, 30.0)) << game.Errors();
    window.PressKey("Return");
    ASSERT_TRUE(window.WaitForPicture(DIFFICULTY, 10.0));
    window.PressKey("1"); // the recipe: the ingredient sheet is made
    ASSERT_FALSE(game.WaitForExit(0.5)) << game.Errors();
    window.PressKey("Return");
    ASSERT_FALSE(game.WaitForExit(1.0)) << game.Errors();
    EXPECT_TRUE(window.Close());
    ASSERT_TRUE(game.WaitForExit(20.0));
    EXPECT_EQ(game.Signal(), 0) << game.Errors();
    EXPECT_EQ(game.ExitStatus(), 0) << game.Errors();
}
