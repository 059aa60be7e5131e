#pragma once

#include "text/MessageText.h"

#include <cstdio>
#include <string>

// The console's side of the game's messages: which encoding the terminal
// shows, and writing in it.

// True when the character type locale (set from the environment by main) uses
// UTF-8.
bool ConsoleUsesUtf8();

// Writes the message on standard error, in the console's encoding.
void WriteFailureMessage(const char* message);

// Writes the game's text, then the user's text as EscapedUserText shows it,
// then a new line, on standard error.
void WriteFailureMessage(const std::string& windows1252Text, const std::string& userText);

// Writes the text on a stream, in the console's encoding.
void WriteText(std::FILE* stream, const std::string& windows1252Text);
