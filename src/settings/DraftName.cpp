#include "settings/DraftName.h"

#include <cctype>
#include <random>

namespace
{
const char* const DRAFT_MARK = ".tmp-";
const std::size_t DRAFT_LETTERS = 6;
}

std::string DraftName(const std::string& target)
{
    const char* const letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<int> pick(0, 61);
    std::string name = target + DRAFT_MARK;
    for (std::size_t letter = 0; letter < DRAFT_LETTERS; ++letter)
    {
        name += letters[pick(device)];
    }
    return name;
}

bool IsDraftName(const std::string& name, const std::string& fileName)
{
    const std::string start = fileName + DRAFT_MARK;
    if (name.size() != start.size() + DRAFT_LETTERS || name.compare(0, start.size(), start) != 0)
    {
        return false;
    }
    for (std::size_t index = start.size(); index < name.size(); ++index)
    {
        if (!std::isalnum(static_cast<unsigned char>(name[index])))
        {
            return false;
        }
    }
    return true;
}
