#include "filechecks/GameAssets.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

bool HoldsGameAssets(const std::string& folder)
{
    std::error_code error;
    const fs::path assets = fs::path(folder) / "Assets";
    return !folder.empty() && fs::is_regular_file(assets / "Fonts" / "orangeJuice.ttf", error) &&
           fs::is_regular_file(assets / "Music" / "pot-lid-1.wav", error) &&
           fs::is_regular_file(assets / "Music" / "Fornalina.ogg", error) &&
           fs::is_regular_file(assets / "Sprites" / "Menu.png", error);
}

std::string FindAssetsRoot(const std::vector<std::string>& candidates)
{
    for (const std::string& candidate : candidates)
    {
        if (HoldsGameAssets(candidate))
        {
            return candidate;
        }
    }
    return std::string();
}
