#include "support/Bytes.h"
#include "support/DisplayCheck.h"
#include "support/GameProcess.h"
#include "support/GameWindow.h"
#include "support/TempDir.h"
#include "support/Text.h"
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The built game started where it cannot start: one message, nothing else, and
// an exit status that tells launchers it failed.

namespace fs = std::filesystem;

namespace
{
const char* const FONT = "Fonts/orangeJuice.ttf";
const char* const CATCH_SOUND = "Music/pot-lid-1.wav";
const char* const MUSIC = "Music/Fornalina.ogg";

// What is done to a file of the game's Assets/ before it starts.
void Remove(const std::string& file)
{
    fs::remove(file);
}

// A FIFO: opening it blocks until another program writes to it.
void ReplaceByFifo(const std::string& file)
{
    fs::remove(file);
    mkfifo(file.c_str(), 0600);
}

// The first 6000 bytes only: it opens, but holds no glyph, no sound to stream.
void CutShort(const std::string& file)
{
    fs::resize_file(file, 6000);
}

// A well-formed sound of no samples at all.
void ReplaceBySilence(const std::string& file)
{
    WriteFileContents(file, WavFile(44100, 1, 16, ""));
}

// Headers that claim far more sound than the file holds.
void ClaimTwoGigabytes(const std::string& file)
{
    WriteFileContents(file, ClaimingTwoGigabytes(FileContents(file)));
}

void ClaimADay(const std::string& file)
{
    WriteFileContents(file, ClaimingADay(FileContents(file)));
}

struct FailedStart
{
    const char* name;
    const char* file; // under Assets/, or nullptr
    void (*alter)(const std::string& file);
    bool withDisplay;
    const char* message;
};

void PrintTo(const FailedStart& start, std::ostream* out)
{
    *out << start.name;
}

const FailedStart FAILED_STARTS[] = {
    {"NoFont", FONT, Remove, true, "Falha ao carregar fonte.\n"},
    {"FontIsAFifo", FONT, ReplaceByFifo, true, "Falha ao carregar fonte.\n"},
    {"FontCutShort", FONT, CutShort, true, "Falha ao carregar fonte.\n"},
    {"NoCatchSound", CATCH_SOUND, Remove, true, "Falha ao carregar sample.\n"},
    {"CatchSoundIsAFifo", CATCH_SOUND, ReplaceByFifo, true, "Falha ao carregar sample.\n"},
    {"SilentCatchSound", CATCH_SOUND, ReplaceBySilence, true, "Falha ao carregar sample.\n"},
    {"EndlessCatchSound", CATCH_SOUND, ClaimTwoGigabytes, true, "Falha ao carregar sample.\n"},
    {"NoMusic", MUSIC, Remove, true, "Falha ao carregar audio.\n"},
    {"MusicIsAFifo", MUSIC, ReplaceByFifo, true, "Falha ao carregar audio.\n"},
    {"MusicCutShort", MUSIC, CutShort, true, "Falha ao carregar audio.\n"},
    {"EndlessMusic", MUSIC, ClaimADay, true, "Falha ao carregar audio.\n"},
    {"NoDisplay", nullptr, nullptr, false, "Falha ao criar janela.\n"},
};
}

class FailedStartTest : public ::testing::TestWithParam<FailedStart>
{
};

TEST_P(FailedStartTest, WritesItsMessageOnceAndExitsWithOne)
{
    const FailedStart& start = GetParam();
    if (start.withDisplay)
    {
        SKIP_WITHOUT_DISPLAY();
    }
    TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    // The game's own font and sounds but no pictures at all: a scene built after
    // all would add a report for every picture it could not load.
    fs::create_directories(dir.File("Assets"));
    for (const char* folder : {"Fonts", "Music"})
    {
        fs::copy(std::string("Assets/") + folder, dir.File("Assets/") + folder, fs::copy_options::recursive);
    }
    if (start.file != nullptr)
    {
        start.alter(dir.File("Assets/") + start.file);
    }

    GameProcess::Options options;
    options.folder = dir.Path();
    // Taken as it is, although it lacks the game's files.
    options.set = {"LC_ALL=C", "FORNALINA_DATA_DIR=" + dir.Path()};
    if (!start.withDisplay)
    {
        options.unset = {"DISPLAY", "WAYLAND_DISPLAY"};
    }
    GameProcess game(FORNALINA_BINARY, options);
    ASSERT_TRUE(game.WaitForExit(20.0)) << "still running after 20 s";
    EXPECT_EQ(game.ExitStatus(), 1);
    EXPECT_EQ(game.Errors(), std::string(start.message));
}

INSTANTIATE_TEST_SUITE_P(Assets, FailedStartTest, ::testing::ValuesIn(FAILED_STARTS),
                         [](const ::testing::TestParamInfo<FailedStart>& info) { return info.param.name; });

namespace
{
// CPU time the game's main thread has used so far, in clock ticks.
long MainThreadTicks(pid_t pid)
{
    const std::string text = FileContents("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/stat");
    // The fields after the name (which may hold spaces) in parentheses: state is
    // the first, user and system time the 12th and 13th.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long user = 0;
    long system = 0;
    for (int index = 1; index <= 13 && fields >> field; ++index)
    {
        if (index == 12)
        {
            user = std::stol(field);
        }
        if (index == 13)
        {
            system = std::stol(field);
        }
    }
    return user + system;
}
}

// A game that starts well sleeps while its menu waits for a key; the menu comes
// back after its window was hidden and shown again (no compositor keeps a
// copy); and closing the window is a normal quit. An X server of its own: on
// a shared one every game's window opens at the same corner, and another
// test's window over this one would hide the redraw.
TEST(BuiltGame, TheMenuSleepsRedrawsWhenUncoveredAndQuitsWithZero)
{
    SKIP_WITHOUT_XVFB();
    VirtualDisplay server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    TempDir elsewhere;
    GameProcess::Options options;
    options.folder = elsewhere.Path();
    options.set = {server.Variable()};
    GameProcess game(FORNALINA_BINARY, options);
    const GameWindow window(game.Pid(), server.Name());
    ASSERT_TRUE(window.WaitForPicture("Assets/Sprites/Menu.png", 30.0)) << game.Errors();

    const long before = MainThreadTicks(game.Pid());
    EXPECT_FALSE(game.WaitForExit(1.0)); // a second of waiting on the menu
    const long used = MainThreadTicks(game.Pid()) - before;
    // A busy loop takes the whole second; a quarter leaves room for a shared,
    // sanitized machine's scheduling and page faults without hiding one.
    EXPECT_LE(used, sysconf(_SC_CLK_TCK) / 4) << "ticks of CPU in a second";

    ASSERT_TRUE(window.HideAndShow());
    EXPECT_TRUE(window.WaitForPicture("Assets/Sprites/Menu.png", 5.0)) << "the menu stayed blank";

    ASSERT_TRUE(window.Close());
    ASSERT_TRUE(game.WaitForExit(20.0));
    EXPECT_EQ(game.ExitStatus(), 0);
    EXPECT_EQ(game.Errors(), "");
}
