#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Numbers as the bytes of a file format: count bytes, least significant first
// (Little) or most significant first (Big).
std::string Little(std::uint64_t value, int count);
std::string Big(std::uint64_t value, int count);
// Writes Little(value, count) over the bytes from `at` on.
void PutLittle(std::string& bytes, std::size_t at, std::uint64_t value, int count);

// A PCM WAV file: its header, the chunks given (whole, padding included), and
// a data chunk of those sample bytes.
std::string WavFile(std::uint32_t rate, int channels, int bits, const std::string& samples,
                    const std::string& chunksBeforeData = "");

// Sound files whose headers claim far more than they hold: 2 GB of samples in
// a WAV's data chunk, a day in an Ogg Vorbis file's last granule position.
std::string ClaimingTwoGigabytes(std::string wav);
std::string ClaimingADay(std::string ogg);
