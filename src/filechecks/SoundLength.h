#pragma once

#include <cstdio>
#include <optional>
#include <string>

// A sound file's header says how long it lasts, and the decoder believes it: a
// WAV claiming 2 GB of samples has 2 GB allocated for it. These read that
// declared length without decoding anything (plain stdio, on every platform),
// so that a sound longer than the game can use is refused before it is loaded.

// The seconds a WAV file declares: its data chunk over the frame size and rate
// of its fmt chunk; nullopt when it is no RIFF/WAVE file with both chunks.
std::optional<double> WavDeclaredSeconds(std::FILE* file);

// The seconds an Ogg Vorbis file declares: the granule position of its last
// whole page over the rate of its identification header; nullopt when it is
// not Ogg Vorbis or no page ends it.
std::optional<double> OggVorbisDeclaredSeconds(std::FILE* file);

// True when the file at path opens and declares at most maxSeconds.
bool WavLastsAtMost(const std::string& path, double maxSeconds);
bool OggVorbisLastsAtMost(const std::string& path, double maxSeconds);
