#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "fornalina-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) != nullptr)
    {
        m_path = buffer.data();
    }
}

TempDir::~TempDir()
{
    if (!m_path.empty())
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}
