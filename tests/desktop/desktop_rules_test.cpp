#include "desktop/CommandLine.h"
#include "desktop/SettingsPath.h"
#include "input/FullscreenKeys.h"
#include "input/Gamepad.h"
#include "screen/WindowFit.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The command line, the settings path, the fullscreen keys and the gamepad's
// meaning, as rules.

TEST(CommandLine, OptionsAndWhatTheyAskFor)
{
    using Action = LaunchOptions::Action;
    struct Case
    {
        std::vector<std::string> arguments;
        Action action;
        int fullscreen;
        std::string unknown;
    };
    const Case cases[] = {
        {{}, Action::Play, -1, ""},
        {{"--fullscreen"}, Action::Play, 1, ""},
        {{"--window"}, Action::Play, 0, ""},
        {{"--fullscreen", "--window"}, Action::Play, 0, ""}, // the last one wins
        {{"--help"}, Action::Help, -1, ""},
        {{"-h", "--version"}, Action::Help, -1, ""},
        {{"--version", "--help"}, Action::Version, -1, ""},
        // An unknown option wins, wherever it stands.
        {{"--fullscreen", "--help", "--bogus"}, Action::Unknown, 1, "--bogus"},
        {{"--bogus", "--version"}, Action::Unknown, -1, "--bogus"},
        {{"--window", "fullscreen", "-x"}, Action::Unknown, 0, "fullscreen"},
        {{""}, Action::Unknown, -1, ""},
        {{"--help", "", "-x"}, Action::Unknown, -1, ""},
    };
    for (const Case& c : cases)
    {
        const LaunchOptions options = ParseCommandLine(c.arguments);
        EXPECT_EQ(options.action, c.action) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(options.fullscreen, c.fullscreen) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(options.unknown, c.unknown) << ::testing::PrintToString(c.arguments);
    }
}

TEST(CommandLine, TheGamesWordsFollowTheConsoleTheUsersBytesStayAsTheyCame)
{
    const std::string see = " (veja fornalina --help)\n";
    EXPECT_EQ(UnknownOptionText("--\x1b[2J\x7f", false), "fornalina: op\xE7\xE3o desconhecida: --\\x1b[2J\\x7f" + see);
    EXPECT_EQ(UnknownOptionText("--f\xE9", true), "fornalina: op\xC3\xA7\xC3\xA3o desconhecida: --f\xE9" + see);
    EXPECT_EQ(UnknownOptionText("", false), "fornalina: op\xE7\xE3o desconhecida: \"\"" + see);

    // A UTF-8 path in a UTF-8 console: converted once, it would read "josÃ©".
    const std::string path = "/home/jos\xC3\xA9/.config/fornalina/settings.cfg";
    const std::string usage = UsageText(path, true);
    EXPECT_NE(usage.find("Op\xC3\xA7\xC3\xB5"
                         "es:"),
              std::string::npos);
    EXPECT_NE(usage.find("tela cheia): " + path + "\n"), std::string::npos) << usage;
    EXPECT_NE(UsageText(path, false)
                  .find("Op\xE7\xF5"
                        "es:"),
              std::string::npos);
    EXPECT_NE(UsageText("", false).find("tela cheia): n\xE3o salvas"), std::string::npos);
}

TEST(SettingsPath, TheXdgBaseDirectoryRules)
{
    struct Case
    {
        const char* xdgConfigHome;
        const char* home;
        const char* userDatabaseHome;
        std::string path;
    };
    const std::string file = "/fornalina/settings.cfg";
    const Case cases[] = {
        {"/x/config", "/home/ana", "/home/db", "/x/config" + file},
        {"/x/config//", "/home/ana", "/home/db", "/x/config" + file},
        {"/", nullptr, nullptr, file},
        {"", "/home/ana", "/home/db", "/home/ana/.config" + file},        // empty: as unset
        {"config", "/home/ana/", "/home/db", "/home/ana/.config" + file}, // relative: ignored
        {nullptr, "/home/ana", "/home/db", "/home/ana/.config" + file},
        {nullptr, "ana", "/home/db", "/home/db/.config" + file}, // a relative HOME is no home
        {nullptr, nullptr, "/home/db", "/home/db/.config" + file},
        {"config", "", "", ""}, // nowhere: nothing is saved
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(SettingsPathFrom(c.xdgConfigHome, c.home, c.userDatabaseHome), c.path)
            << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
}

TEST(FullscreenKeys, F11AndAltEnterPressedNotRepeated)
{
    auto character = [](int keycode, unsigned modifiers, bool repeat,
                        ALLEGRO_EVENT_TYPE type = ALLEGRO_EVENT_KEY_CHAR) {
        ALLEGRO_EVENT event{};
        event.type = type;
        event.keyboard.keycode = keycode;
        event.keyboard.modifiers = modifiers;
        event.keyboard.repeat = repeat;
        return event;
    };
    EXPECT_TRUE(TogglesFullscreen(character(ALLEGRO_KEY_F11, 0, false)));
    EXPECT_TRUE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, false)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_F11, 0, true)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, 0, false)));
    EXPECT_FALSE(TogglesFullscreen(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_CTRL, false)));
    EXPECT_TRUE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, true)));
    EXPECT_FALSE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, 0, false)));
    // Alt as the key-down event saw it, whatever the keyboard holds by the time it is handled.
    EXPECT_TRUE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, ALLEGRO_KEYMOD_ALT, false, ALLEGRO_EVENT_KEY_DOWN)));
    EXPECT_FALSE(IsEnterWithAlt(character(ALLEGRO_KEY_ENTER, 0, false, ALLEGRO_EVENT_KEY_DOWN)));
}

TEST(Gamepad, ButtonsStandForEnterEscapeAndP)
{
    struct Case
    {
        int index;
        std::string name;
        int key;
    };
    const Case cases[] = {
        {0, "", ALLEGRO_KEY_ENTER},
        {1, "", ALLEGRO_KEY_ESCAPE},
        {7, "", ALLEGRO_KEY_P},
        {2, "", 0},
        {0, "B1", ALLEGRO_KEY_ENTER},
        {9, "B10", 0},
        {9, "Start", ALLEGRO_KEY_P},
        {3, "A", ALLEGRO_KEY_ENTER},
        {0, "X", 0}, // the driver's names win
        {5, "BTN_EAST", ALLEGRO_KEY_ESCAPE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(Gamepad::KeyOfButton(c.index, c.name), c.key) << c.index << " \"" << c.name << "\"";
    }
}

TEST(Gamepad, SticksPointPastTheirMiddleOnly)
{
    using Gamepad::Direction;
    EXPECT_EQ(Gamepad::DirectionOf(0, -1.0f), Direction::Left);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.7f), Direction::Right);
    EXPECT_EQ(Gamepad::DirectionOf(0, 0.3f), Direction::None);
    EXPECT_EQ(Gamepad::DirectionOf(1, -0.9f), Direction::Up);
    EXPECT_EQ(Gamepad::DirectionOf(1, 1.0f), Direction::Down);
    EXPECT_EQ(Gamepad::DirectionOf(2, 1.0f), Direction::None);
}

TEST(Gamepad, AHeldDirectionStepsAtOnceThenRepeatsAfterADelay)
{
    using Gamepad::Direction;
    Gamepad::HeldDirection held;
    EXPECT_TRUE(held.Point(0, Direction::Left, 10.0));
    EXPECT_FALSE(held.Point(0, Direction::Left, 10.1)); // still held: no second press
    EXPECT_FALSE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY - 0.001));
    EXPECT_TRUE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY));
    EXPECT_FALSE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY + 0.01));
    EXPECT_TRUE(held.RepeatDue(10.0 + Gamepad::REPEAT_DELAY + Gamepad::REPEAT_INTERVAL));

    // Steps per second of holding, checked once a frame at 60 frames a second.
    int steps = 0;
    for (double now = 11.0; now < 12.0; now += 1.0 / 60.0)
    {
        steps += held.RepeatDue(now) ? 1 : 0;
    }
    EXPECT_NEAR(steps, 1.0 / Gamepad::REPEAT_INTERVAL, 2);
    // A stall of a second owes one step, not a second's worth.
    EXPECT_TRUE(held.RepeatDue(13.0));
    EXPECT_FALSE(held.RepeatDue(13.0 + Gamepad::REPEAT_INTERVAL / 2));

    // Another stick resting does not let go; this one does.
    EXPECT_FALSE(held.Point(1, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::Left);
    EXPECT_FALSE(held.Point(0, Direction::None, 14.0));
    EXPECT_EQ(held.Held(), Direction::None);
    EXPECT_FALSE(held.RepeatDue(20.0));
    EXPECT_TRUE(held.Point(0, Direction::Right, 20.0));
}

TEST(WindowFit, ThePictureFillsTheAreaKeepingFourToThreeOnWholePixels)
{
    struct Case
    {
        int areaWidth, areaHeight;
        PictureFit fit; // left, top, width, height, scale
    };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600, 1.0f}},
        {1600, 1200, {0, 0, 1600, 1200, 2.0f}},
        {1920, 1080, {240, 0, 1440, 1080, 1.8f}}, // bars left and right
        {1024, 1366, {0, 299, 1024, 768, 1.28f}}, // a tall tablet: bars above and below
        {1366, 768, {171, 0, 1024, 768, 1.28f}},  // an odd bar width: the extra pixel goes right
        {375, 667, {0, 193, 375, 281, 0.46875f}}, // a phone: 281.25 rows round down, never beyond the area
        {801, 601, {0, 0, 801, 601, 1.00125f}},   // 800.9999 and 601 columns: whole, inside
        {0, 600, {0, 0, 0, 0, 0.0f}},             // a hidden page
    };
    for (const Case& c : cases)
    {
        const PictureFit fit = FitPicture(c.areaWidth, c.areaHeight);
        const std::string area = std::to_string(c.areaWidth) + "x" + std::to_string(c.areaHeight);
        EXPECT_EQ(fit.left, c.fit.left) << area;
        EXPECT_EQ(fit.top, c.fit.top) << area;
        EXPECT_EQ(fit.width, c.fit.width) << area;
        EXPECT_EQ(fit.height, c.fit.height) << area;
        EXPECT_FLOAT_EQ(fit.scale, c.fit.scale) << area;
    }
}
