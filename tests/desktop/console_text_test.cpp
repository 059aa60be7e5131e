#include "desktop/ConsoleText.h"

#include <gtest/gtest.h>

TEST(ConsoleText, Windows1252BecomesTheSameTextInUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Falha ao carregar fonte.\n", "Falha ao carregar fonte.\n"},
        {"Falha ao inicializar \xE1udio.\n", "Falha ao inicializar \xC3\xA1udio.\n"},
        {"\xE7\xE3o \xC9", "\xC3\xA7\xC3\xA3o \xC3\x89"},             // ção É
        {"\x80 \x93x\x94", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"}, // € “x”
        {"\x81", "\xEF\xBF\xBD"},                                     // undefined in the code page
        {"", ""},
    };
    for (const auto& [single, utf8] : cases)
    {
        EXPECT_EQ(Windows1252ToUtf8(single), utf8) << single;
    }
}

TEST(ConsoleText, TheUsersTextKeepsItsBytesWithControlCharactersEscaped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"--fullscreen", "--fullscreen"},
        {"\x1b[31mred", "\\x1b[31mred"},
        {"a\nb\tc\r", "a\\x0ab\\x09c\\x0d"},
        {"\x7f\x01", "\\x7f\\x01"},
        {"jos\xC3\xA9 \xE9\x9B", "jos\xC3\xA9 \xE9\x9B"}, // neither converted nor checked
    };
    for (const auto& [bytes, shown] : cases)
    {
        EXPECT_EQ(EscapedUserText(bytes), shown);
    }
}
