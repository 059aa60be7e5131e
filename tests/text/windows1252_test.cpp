#include "text/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252Text, Windows1252BecomesTheSameTextInUtf8)
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
