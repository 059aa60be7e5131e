#include "GameProbe.h"
#include "support/Clock.h"
#include "support/DisplayCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <new>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

// A game whose process is stopped (kill -STOP, a terminal's suspended job) and
// then continued: the time it stood still is not the round's.

namespace
{
// Ticks the round has counted: the four of the get-ready count, then the clock's.
int RoundProgress(const GameProbe& probe)
{
    return (3 - probe.ReadyCount()) + (60 - (probe.Minutes() * 60 + probe.Seconds()));
}

// In a child process: plays a round on the game's own timer, paced as the game
// runs, publishing its progress after every pass until it is killed.
[[noreturn]] void PlayRound(std::atomic<int>* progress, const std::string& settings)
{
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        _exit(1);
    }
    probe.EnterRound(0);
    probe.UseRealTimer();
    probe.SetPacing(true);
    probe.SetPassDuration(0.0);
    for (;;)
    {
        probe.Step();
        progress->store(RoundProgress(probe));
    }
}

struct Child
{
    pid_t pid = -1;
    ~Child()
    {
        if (pid > 0)
        {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
};
}

TEST(StoppedProcess, TheTimeItStoodStillIsNotTheRounds)
{
    SKIP_WITHOUT_DISPLAY();
    TempDir settings;
    void* shared = mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* progress = new (shared) std::atomic<int>(-1);
    Child child;
    child.pid = fork();
    ASSERT_GE(child.pid, 0);
    if (child.pid == 0)
    {
        PlayRound(progress, settings.Path());
    }

    // Once the first tick has counted, the process stands still for 5 s.
    WaitUntil(40.0, 0.01, [progress] { return progress->load() >= 1; });
    const int before = progress->load();
    ASSERT_GE(before, 1) << "the round did not start";
    const double stopped = Now();
    kill(child.pid, SIGSTOP);
    Sleep(5.0);
    kill(child.pid, SIGCONT);
    const double stoodStill = Now() - stopped;
    Sleep(2.0);
    const int after = progress->load();
    const double ran = Now() - stopped - stoodStill;

    // As many ticks as seconds it ran, give or take the timer's phase, and one
    // more at most for the stop; the stop's five would show.
    EXPECT_LE(after - before, static_cast<int>(ran) + 2) << "ran " << ran << " s";
    EXPECT_GT(after, before) << "the round did not go on";
    munmap(shared, sizeof(std::atomic<int>));
}
