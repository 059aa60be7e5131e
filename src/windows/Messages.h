#pragma once

#include <string>

// A window program has no console of its own: what the game has to say goes
// where a Windows user sees it. Texts are UTF-8 here.

// Writes the text on standard error (error) or output when the game has one:
// one it was given (redirected to a file or a pipe), or else the console of
// the command prompt it was started from. False when there is none, or the
// text could not be written.
bool WriteToConsole(bool error, const std::string& utf8Text);

// A start-up failure: in a message box, which waits for the player, and on
// standard error too when there is one.
void ShowFailure(const std::string& utf8Text);

// A failure met while the game's window is open: on standard error at once,
// in a message box once the window is gone (ShowFailuresLeft), so that the box
// is not left behind a dead window.
void ShowFailureLater(const std::string& utf8Text);
void ShowFailuresLeft();

// An answer asked for (the usage, the version): on standard output when there
// is one, in a message box otherwise.
void ShowAnswer(const std::string& utf8Text);
