#include "desktop/AssetsFolder.h"

#include "desktop/ConsoleText.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

#ifndef FORNALINA_DATA_DIR
#define FORNALINA_DATA_DIR ""
#endif
#ifndef FORNALINA_DATA_DIR_FROM_BINARY
#define FORNALINA_DATA_DIR_FROM_BINARY "../share/fornalina"
#endif
#ifndef FORNALINA_SOURCE_DIR
#define FORNALINA_SOURCE_DIR ""
#endif

std::vector<std::string> AssetsRootCandidates()
{
    std::vector<std::string> candidates{"."};
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
    {
        const fs::path folder = executable.parent_path();
        candidates.push_back(folder.string());
        candidates.push_back((folder / FORNALINA_DATA_DIR_FROM_BINARY).lexically_normal().string());
    }
    candidates.push_back(FORNALINA_DATA_DIR);
    candidates.push_back(FORNALINA_SOURCE_DIR);
    return candidates;
}

bool ChangeToAssetsRoot()
{
    const char* chosen = std::getenv("FORNALINA_DATA_DIR");
    std::error_code error;
    if (chosen != nullptr && *chosen != '\0')
    {
        fs::current_path(chosen, error);
        if (error)
        {
            WriteFailureMessage("Pasta de dados n\xE3o encontrada: ", chosen);
        }
        return !error;
    }
    const std::string root = FindAssetsRoot(AssetsRootCandidates());
    if (!root.empty() && root != ".")
    {
        fs::current_path(root, error);
    }
    return true;
}
