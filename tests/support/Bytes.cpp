#include "support/Bytes.h"

std::string Little(std::uint64_t value, int count)
{
    std::string bytes(count, '\0');
    for (int index = 0; index < count; ++index)
    {
        bytes[index] = static_cast<char>(value >> (8 * index));
    }
    return bytes;
}

std::string Big(std::uint64_t value, int count)
{
    const std::string little = Little(value, count);
    return std::string(little.rbegin(), little.rend());
}

void PutLittle(std::string& bytes, std::size_t at, std::uint64_t value, int count)
{
    bytes.replace(at, count, Little(value, count));
}

std::string WavFile(std::uint32_t rate, int channels, int bits, const std::string& samples,
                    const std::string& chunksBeforeData)
{
    const int frameBytes = channels * bits / 8;
    const std::string format = "fmt " + Little(16, 4) + Little(1, 2) + Little(channels, 2) + Little(rate, 4) +
                               Little(std::uint64_t{rate} * frameBytes, 4) + Little(frameBytes, 2) + Little(bits, 2);
    const std::string body = "WAVE" + format + chunksBeforeData + "data" + Little(samples.size(), 4) + samples;
    return "RIFF" + Little(body.size(), 4) + body;
}

std::string ClaimingTwoGigabytes(std::string wav)
{
    PutLittle(wav, wav.find("data") + 4, 0x7FFFFFF0, 4);
    return wav;
}

std::string ClaimingADay(std::string ogg)
{
    PutLittle(ogg, ogg.rfind("OggS") + 6, 44100ull * 3600 * 24, 8);
    return ogg;
}
