#pragma once

#include <cstdio>
#include <string>

// The start-up failure messages are kept as single-byte Windows-1252 text (the
// "á" of "áudio" is the byte 0xE1). A terminal whose locale uses UTF-8 would
// show such a byte as "�", so there they are written in UTF-8 instead.

// The same text in UTF-8.
std::string Windows1252ToUtf8(const std::string& text);

// True when the character type locale (set from the environment by main) uses
// UTF-8.
bool ConsoleUsesUtf8();

// Writes the message on standard error, in the console's encoding.
void WriteFailureMessage(const char* message);

// Writes the text on a stream, in the console's encoding.
void WriteText(std::FILE* stream, const std::string& windows1252Text);
