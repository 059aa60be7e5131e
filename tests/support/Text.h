#pragma once

#include <fstream>
#include <iterator>
#include <string>

// How many times part occurs in text, overlaps included.
inline int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    {
        ++count;
    }
    return count;
}

// True when part occurs in text.
inline bool Holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The file's bytes as they stand; "" when it cannot be read.
inline std::string FileContents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Replaces the file's bytes by these.
inline void WriteFileContents(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
