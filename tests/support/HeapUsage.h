#pragma once

#include <cstddef>

// Bytes of heap currently allocated by the process, from whichever allocator is
// in use (glibc's, or the sanitizer's in a sanitized build).
std::size_t HeapBytesInUse();
