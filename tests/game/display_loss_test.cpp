#include "support/GameProcess.h"
#include "support/GameWindow.h"
#include "support/TempDir.h"
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <thread>

// The built game, on an X server of its own, loses its display: the server
// dies, another program destroys its window or has its connection dropped.
// Whatever the screen, it says so and ends at once with status 1: no hang, no
// crash.

namespace
{
enum class Screen
{
    Menu,
    Difficulty,
    Round,
    Paused
};

enum class Loss
{
    ServerDies,
    WindowDestroyed,
    ConnectionKilled
};

struct Case
{
    const char* name;
    Screen screen;
    Loss loss;
    const char* locale; // the message follows its encoding
};

void PrintTo(const Case& lossCase, std::ostream* out)
{
    *out << lossCase.name;
}

const Case CASES[] = {
    {"ServerDiesOnTheMenu", Screen::Menu, Loss::ServerDies, "C"},
    {"ServerDiesOnTheDifficultyScreen", Screen::Difficulty, Loss::ServerDies, "C"},
    {"ServerDiesInARound", Screen::Round, Loss::ServerDies, "C"},
    {"ServerDiesWhilePaused", Screen::Paused, Loss::ServerDies, "C"},
    {"WindowDestroyedOnTheMenu", Screen::Menu, Loss::WindowDestroyed, "C"},
    {"WindowDestroyedInARound", Screen::Round, Loss::WindowDestroyed, "C"},
    {"ConnectionKilledOnTheMenu", Screen::Menu, Loss::ConnectionKilled, "C.UTF-8"},
    {"ConnectionKilledInARound", Screen::Round, Loss::ConnectionKilled, "C"},
};

void Pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
}

class DisplayLoss : public ::testing::TestWithParam<Case>
{
};

TEST_P(DisplayLoss, EndsTheGameAtOnceWithStatusOne)
{
    const Case& lossCase = GetParam();
    if (std::system("command -v Xvfb > /dev/null") != 0)
    {
        GTEST_SKIP() << "Xvfb is not installed: these tests start X servers of their own";
    }
    VirtualDisplay server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    TempDir elsewhere;
    GameProcess::Options options;
    options.folder = elsewhere.Path();
    options.set = {server.Variable(), std::string("LC_ALL=") + lossCase.locale};
    GameProcess game(FORNALINA_BINARY, options);
    const GameWindow window(game.Pid(), server.Name());
    ASSERT_TRUE(window.WaitForPicture("Assets/Sprites/Menu.png", 30.0)) << game.Errors();

    if (lossCase.screen != Screen::Menu)
    {
        window.PressKey("Return");
        ASSERT_TRUE(window.WaitForPicture("Assets/Sprites/Dificuldade.png", 10.0));
    }
    if (lossCase.screen == Screen::Round || lossCase.screen == Screen::Paused)
    {
        window.PressKey("1");
        Pause(0.3);
        window.PressKey("Return");
        Pause(1.5);
    }
    if (lossCase.screen == Screen::Paused)
    {
        window.PressKey("p");
        Pause(0.3);
    }

    switch (lossCase.loss)
    {
    case Loss::ServerDies:
        server.Kill();
        break;
    case Loss::WindowDestroyed:
        ASSERT_TRUE(window.Destroy());
        break;
    case Loss::ConnectionKilled:
        ASSERT_TRUE(window.KillClient());
        break;
    }
    // The menu looks for its window once a second.
    ASSERT_TRUE(game.WaitForExit(3.0)) << "still running 3 s later";
    EXPECT_EQ(game.Signal(), 0);
    EXPECT_EQ(game.ExitStatus(), 1);
    const bool utf8 = std::string(lossCase.locale) == "C.UTF-8";
    EXPECT_EQ(game.Errors(), utf8 ? "Falha na conex\xC3\xA3o com a janela.\n" : "Falha na conex\xE3o com a janela.\n");
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplayLoss, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });
