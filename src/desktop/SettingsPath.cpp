#include "desktop/SettingsPath.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace
{
bool IsAbsolute(const char* folder)
{
    return folder != nullptr && folder[0] == '/';
}

// The folder without its trailing slashes, so that names join with one.
std::string WithoutTrailingSlashes(std::string folder)
{
    while (!folder.empty() && folder.back() == '/')
    {
        folder.pop_back();
    }
    return folder;
}
}

std::string SettingsPathFrom(const char* xdgConfigHome, const char* home, const char* userDatabaseHome)
{
    const char* const file = "/fornalina/settings.cfg";
    if (IsAbsolute(xdgConfigHome))
    {
        return WithoutTrailingSlashes(xdgConfigHome) + file;
    }
    // An empty or relative XDG_CONFIG_HOME is ignored, as the rules say.
    for (const char* folder : {home, userDatabaseHome})
    {
        if (IsAbsolute(folder))
        {
            return WithoutTrailingSlashes(folder) + "/.config" + file;
        }
    }
    return std::string();
}

std::string UserSettingsPath()
{
    const char* home = std::getenv("HOME");
    const passwd* user = IsAbsolute(home) ? nullptr : getpwuid(getuid());
    return SettingsPathFrom(std::getenv("XDG_CONFIG_HOME"), home, user != nullptr ? user->pw_dir : nullptr);
}
