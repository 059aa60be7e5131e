#include "desktop/DisplayLoss.h"
#include "support/Clock.h"
#include "support/DisplayCheck.h"
#include "support/GameProcess.h"
#include "support/GameWindow.h"
#include "support/TempDir.h"
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <atomic>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The built game, on an X server of its own, loses its display: the server
// dies, another program destroys its window or has its connection dropped.
// Whatever the screen, it says so and ends at once with status 1: no hang, no
// crash.

namespace
{
enum class GameScreen
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
    GameScreen screen;
    Loss loss;
    const char* locale; // the message follows its encoding
};

void PrintTo(const Case& lossCase, std::ostream* out)
{
    *out << lossCase.name;
}

const Case CASES[] = {
    {"ServerDiesOnTheMenu", GameScreen::Menu, Loss::ServerDies, "C"},
    {"ServerDiesOnTheDifficultyScreen", GameScreen::Difficulty, Loss::ServerDies, "C"},
    {"ServerDiesInARound", GameScreen::Round, Loss::ServerDies, "C"},
    {"ServerDiesWhilePaused", GameScreen::Paused, Loss::ServerDies, "C"},
    {"WindowDestroyedOnTheMenu", GameScreen::Menu, Loss::WindowDestroyed, "C"},
    {"WindowDestroyedInARound", GameScreen::Round, Loss::WindowDestroyed, "C"},
    {"WindowDestroyedWhilePaused", GameScreen::Paused, Loss::WindowDestroyed, "C"},
    {"ConnectionKilledOnTheMenu", GameScreen::Menu, Loss::ConnectionKilled, "C.UTF-8"},
    {"ConnectionKilledInARound", GameScreen::Round, Loss::ConnectionKilled, "C"},
};
}

class DisplayLoss : public ::testing::TestWithParam<Case>
{
};

TEST_P(DisplayLoss, EndsTheGameAtOnceWithStatusOne)
{
    const Case& lossCase = GetParam();
    SKIP_WITHOUT_XVFB();
    VirtualDisplay server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    TempDir elsewhere;
    GameProcess::Options options;
    options.folder = elsewhere.Path();
    options.set = {server.Variable(), std::string("LC_ALL=") + lossCase.locale};
    GameProcess game(FORNALINA_BINARY, options);
    const GameWindow window(game.Pid(), server.Name());
    ASSERT_TRUE(window.WaitForPicture("Assets/Sprites/Menu.png", 30.0)) << game.Errors();

    if (lossCase.screen != GameScreen::Menu)
    {
        window.PressKey("Return");
        ASSERT_TRUE(window.WaitForPicture("Assets/Sprites/Dificuldade.png", 10.0));
    }
    if (lossCase.screen == GameScreen::Round || lossCase.screen == GameScreen::Paused)
    {
        window.PressKey("1");
        Sleep(0.3);
        window.PressKey("Return");
        Sleep(1.5);
    }
    if (lossCase.screen == GameScreen::Paused)
    {
        window.PressKey("p");
        Sleep(0.3);
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
    // A screen that waits for the player, drawing nothing, looks for its
    // window once a second.
    ASSERT_TRUE(game.WaitForExit(10.0)) << "still running 10 s later";
    EXPECT_EQ(game.Signal(), 0);
    EXPECT_EQ(game.ExitStatus(), 1);
    const bool utf8 = std::string(lossCase.locale) == "C.UTF-8";
    EXPECT_EQ(game.Errors(), utf8 ? "Falha na conex\xC3\xA3o com a janela.\n" : "Falha na conex\xE3o com a janela.\n");
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplayLoss, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// The library's thread and the game's often meet the lost connection at the
// same moment. Whichever comes first must get its line out before the process
// ends: every thread that comes later waits for that end instead of ending it
// early with nothing said.
TEST(DisplayLossAnswer, SaysSoOnceWhenEveryThreadMeetsTheLossAtOnce)
{
    for (int attempt = 0; attempt < 20; ++attempt)
    {
        int errors[2];
        ASSERT_EQ(pipe(errors), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            dup2(errors[1], STDERR_FILENO);
            EndGameWhenDisplayIsLost();
            const XIOErrorHandler onConnectionLost = XSetIOErrorHandler(nullptr);
            std::atomic<bool> go{false};
            std::vector<std::thread> threads;
            for (int thread = 0; thread < 8; ++thread)
            {
                threads.emplace_back([&] {
                    while (!go)
                    {
                    }
                    onConnectionLost(nullptr);
                });
            }
            go = true;
            for (std::thread& thread : threads)
            {
                thread.join();
            }
            _exit(99); // not reached: the answer ends the process
        }
        close(errors[1]);
        std::string said;
        char buffer[256];
        ssize_t count;
        while ((count = read(errors[0], buffer, sizeof buffer)) > 0)
        {
            said.append(buffer, static_cast<std::size_t>(count));
        }
        close(errors[0]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        ASSERT_EQ(said, "Falha na conex\xE3o com a janela.\n") << "attempt " << attempt;
    }
}
