#pragma once

#include <string>

// The failure messages are kept as single-byte Windows-1252 text (the "á" of
// "áudio" is the byte 0xE1); a console, a page or a message box that wants
// UTF-8 converts them.

// The same text in UTF-8; a byte the code page leaves undefined becomes U+FFFD.
std::string Windows1252ToUtf8(const std::string& text);
