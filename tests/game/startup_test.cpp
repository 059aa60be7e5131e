#include "support/DisplayCheck.h"
#include "support/GameProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

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
}

class FailedStartTest : public ::testing::TestWithParam<FailedStart>
{
};

TEST_P(FailedStartTest, WritesItsMessageOnceAndExitsWithZero)
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
    if (start.missing != nullptr)
    {
        ASSERT_TRUE(fs::remove(dir.File("Assets/") + start.missing)) << start.missing;
    }

    GameProcess::Options options;
    options.folder = dir.Path();
    if (!start.withDisplay)
    {
        options.unset = {"DISPLAY", "WAYLAND_DISPLAY"};
    }
    GameProcess game(FORNALINA_BINARY, options);
    ASSERT_TRUE(game.WaitForExit(20.0)) << "still running after 20 s";
    EXPECT_EQ(game.ExitStatus(), 0);
    EXPECT_EQ(game.Errors(), std::string(start.message));
}

INSTANTIATE_TEST_SUITE_P(Assets, FailedStartTest, ::testing::ValuesIn(FAILED_STARTS),
                         [](const ::testing::TestParamInfo<FailedStart>& info) { return info.param.name; });
