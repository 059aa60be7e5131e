#pragma once

#include <string>

// The game's failure messages are Windows-1252 text (text/Windows1252.h). A
// console that shows UTF-8 would show the "á" of "áudio", the byte 0xE1, as
// "�", so there they are written in UTF-8 instead.

// The game's own text as the console shows it: in UTF-8 when utf8.
std::string InConsoleEncoding(const std::string& windows1252Text, bool utf8);

// Text that came from the user (an option, a path) as its own bytes, never
// converted, but with control characters (below 0x20, and 0x7F) written as
// \xNN, so that it cannot move the cursor or begin a line of its own.
std::string EscapedUserText(const std::string& bytes);
