#include "windows/SettingsPath.h"
#include "windows/WideText.h"

#include <gtest/gtest.h>

// The Windows build's own rules: run under Wine by scripts/windows-test.sh.

TEST(WindowsSettingsPath, UnderAnAbsoluteAppDataFolderOnly)
{
    const std::string file = "Fornalina\\settings.cfg";
    const std::pair<std::wstring, std::string> cases[] = {
        {L"C:\\Users\\Ana\\AppData\\Roaming", "C:\\Users\\Ana\\AppData\\Roaming\\" + file},
        {L"C:\\Users\\Jo\u00E3o\\AppData\\Roaming\\", "C:\\Users\\Jo\xC3\xA3o\\AppData\\Roaming\\" + file},
        {L"D:/Dados de Ana//", "D:/Dados de Ana\\" + file},
        {L"C:\\", "C:\\" + file},
        {L"\\\\servidor\\perfis\\ana", "\\\\servidor\\perfis\\ana\\" + file},
        {L"", ""},
        {L"AppData", ""}, // relative: the working folder's, never the user's
        {L"C:AppData", ""},
        {L"\\AppData", ""},
        {L"\\\\\\x", ""},
    };
    for (const auto& [appData, path] : cases)
    {
        EXPECT_EQ(SettingsPathUnder(appData), path) << WideToUtf8(appData);
    }
}

TEST(WideText, NamesWithAccentsAndSpacesGoBothWaysWhole)
{
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""},
        {"C:\\Users\\Jo\xC3\xA3o\\Jogos\\Meus jogos", L"C:\\Users\\Jo\u00E3o\\Jogos\\Meus jogos"},
        {"a\xE2\x82\xAC\xF0\x9F\x8D\xB3", L"a\u20AC\U0001F373"}, // beyond 16 bits: a surrogate pair
    };
    for (const auto& [utf8, wide] : cases)
    {
        EXPECT_EQ(Utf8ToWide(utf8), wide) << utf8;
        EXPECT_EQ(WideToUtf8(wide), utf8) << utf8;
    }
}
