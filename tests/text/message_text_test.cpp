#include "text/MessageText.h"

#include <gtest/gtest.h>

TEST(MessageText, TheUsersTextKeepsItsBytesWithControlCharactersEscaped)
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
