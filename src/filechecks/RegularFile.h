#pragma once

#include <string>

// True when path names a regular file (after symbolic links). Anything else,
// a FIFO, a device or a folder, is refused without being opened: opening a
// FIFO blocks until some other program writes to it.
bool IsRegularFile(const std::string& path);
