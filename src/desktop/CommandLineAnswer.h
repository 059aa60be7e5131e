#pragma once

#include "commandline/CommandLine.h"

#include <string>

// Answers --help, --version or an unknown option: the usage or the version on
// standard output, an unknown option on standard error. Returns the exit
// status (0; 2 for an unknown option; 1 when standard output could not take
// the answer), or -1 when the game is to be played.
int AnswerWithoutPlaying(const LaunchOptions& options, const std::string& settingsPath, const char* version);
