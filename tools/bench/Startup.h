#pragma once

#include <string>
#include <vector>

// Start-up time: from before the process is launched to its first presented
// frame, measured in fresh processes of this very program.
namespace Startup
{
// The child modes: "--startup-game" starts the real game up to its first
// title-menu frame; "--startup-floor" only starts the library, creates the
// display, loads the same pictures once and presents one frame. Each prints
// "ready SECONDS" (monotonic clock) and returns the exit status.
// "--audio-floor" starts only the audio as the game does, plays the music for
// a few seconds and prints "share FRACTION" of one core it used.
bool IsChildMode(const std::string& argument);
int RunChild(const std::string& mode);

// Launches self in each mode in turn, `rounds` times over, so that a busy
// spell of the machine weighs on every mode alike; the milliseconds of each
// launch, one list per mode.
std::vector<std::vector<double>> TimeLaunchesInTurn(const std::string& self, const std::vector<std::string>& modes,
                                                    int rounds);

// The CPU share, in percent of a core, of "--audio-floor".
double AudioFloorShare(const std::string& self);
}
