#include "commandline/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The command line, as rules.

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
