#pragma once

#include <string>

// Windows names files and speaks to the console in UTF-16; the game keeps
// UTF-8, which Allegro takes for file names on Windows too.

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
