#pragma once

#include <string>

// A file replaced whole is first written as a draft beside it, under a name no
// one can guess: the file's own name, ".tmp-", then six letters or digits.

// A new draft name for target (a path: the draft sits in its folder).
std::string DraftName(const std::string& target);

// True when name is a draft made for fileName.
bool IsDraftName(const std::string& name, const std::string& fileName);
