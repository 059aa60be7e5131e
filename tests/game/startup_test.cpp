#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

extern char** environ;

// The built game started where it cannot start: one message, nothing else, exit 0.

namespace fs = std::filesystem;

namespace
{
struct FailedStart
{
    const char* name;
    const char* missing; // under Assets/, or nullptr
    bool withDisplay;
    const char* message;
};

void PrintTo(const FailedStart& start, std::ostream* out)
{
    *out << start.name;
}

const FailedStart FAILED_STARTS[] = {
    {"NoFont", "Fonts/orangeJuice.ttf", true, "Falha ao carregar fonte.\n"},
    {"NoCatchSound", "Music/pot-lid-1.wav", true, "Falha ao carregar sample.\n"},
    {"NoMusic", "Music/Fornalina.ogg", true, "Falha ao carregar audio.\n"},
    {"NoDisplay", nullptr, false, "Falha ao criar janela.\n"},
};

struct Outcome
{
    int status = -1; // the exit status; 137 when timeout(1) had to kill it
    std::string errors;
};

// Runs the game in folder, under timeout(1) so that a hang fails the test instead
// of stalling it, and returns all it wrote on standard error, byte for byte.
Outcome RunGame(const std::string& folder, bool withDisplay)
{
    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
    {
        const std::string entry = *variable;
        if (withDisplay || (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("WAYLAND_DISPLAY=", 0) != 0))
        {
            environment.push_back(*variable);
        }
    }
    environment.push_back(nullptr);

    Outcome outcome;
    int errors[2];
    if (pipe2(errors, O_CLOEXEC) != 0)
    {
        return outcome;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    const char* const arguments[] = {"timeout", "-s", "KILL", "60", FORNALINA_BINARY, nullptr};
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "timeout", &actions, nullptr, const_cast<char* const*>(arguments),
                                     environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    char buffer[4096];
    for (ssize_t count; spawned == 0 && (count = read(errors[0], buffer, sizeof buffer)) > 0;)
    {
        outcome.errors.append(buffer, static_cast<std::size_t>(count));
    }
    close(errors[0]);
    int status = 0;
    if (spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
    {
        outcome.status = WEXITSTATUS(status);
    }
    return outcome;
}
}

class FailedStartTest : public ::testing::TestWithParam<FailedStart>
{
};

TEST_P(FailedStartTest, WritesItsMessageOnceAndExitsWithZero)
{
    const FailedStart& start = GetParam();
    TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    // The game's own font and sounds but no pictures at all: a scene built after
    // all would add a report for every picture it could not load.
    fs::create_directories(dir.File("Assets"));
    for (const char* folder : {"Fonts", "Music"})
    {
        fs::copy(std::string("Assets/") + folder, dir.File("Assets/") + folder, fs::copy_options::recursive);
    }
    if (start.missing != nullptr)
    {
        ASSERT_TRUE(fs::remove(dir.File("Assets/") + start.missing)) << start.missing;
    }

    const Outcome outcome = RunGame(dir.Path(), start.withDisplay);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, std::string(start.message));
}

INSTANTIATE_TEST_SUITE_P(Assets, FailedStartTest, ::testing::ValuesIn(FAILED_STARTS),
                         [](const ::testing::TestParamInfo<FailedStart>& info) { return info.param.name; });
