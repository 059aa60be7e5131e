#include "desktop/SettingsPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The settings path, as rules.

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
