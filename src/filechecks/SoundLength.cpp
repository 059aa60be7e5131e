#include "filechecks/SoundLength.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
std::uint32_t Little32(const unsigned char* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint64_t Little64(const unsigned char* bytes)
{
    return Little32(bytes) | static_cast<std::uint64_t>(Little32(bytes + 4)) << 32;
}

bool ReadExactly(std::FILE* file, unsigned char* bytes, std::size_t count)
{
    return std::fread(bytes, 1, count, file) == count;
}

// Skips a chunk's remaining bytes and its padding to an even length.
bool Skip(std::FILE* file, std::uint32_t count)
{
    const std::uint64_t padded = static_cast<std::uint64_t>(count) + (count & 1);
    return padded <= LONG_MAX && std::fseek(file, static_cast<long>(padded), SEEK_CUR) == 0;
}

// Ogg's page header: "OggS", version, flags, granule position (8 bytes at 6),
// serial number (4 at 14), sequence, checksum, then the segment count at 26
// and that many segment lengths.
const std::size_t PAGE_HEADER = 27;
const std::size_t LARGEST_PAGE = PAGE_HEADER + 255 + 255 * 255;

bool IsPageStart(const unsigned char* bytes)
{
    return std::memcmp(bytes, "OggS", 4) == 0 && bytes[4] == 0;
}

std::optional<double> Seconds(std::uint64_t frames, std::uint32_t rate)
{
    if (rate == 0)
    {
        return std::nullopt;
    }
    return static_cast<double>(frames) / rate;
}
}

std::optional<double> WavDeclaredSeconds(std::FILE* file)
{
    unsigned char riff[12];
    if (!ReadExactly(file, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
    {
        return std::nullopt;
    }
    std::uint32_t frameBytes = 0;
    std::uint32_t rate = 0;
    // A real file has a handful of chunks; a long run of them is no sound.
    for (int chunk = 0; chunk < 64; ++chunk)
    {
        unsigned char header[8];
        if (!ReadExactly(file, header, sizeof header))
        {
            return std::nullopt;
        }
        const std::uint32_t size = Little32(header + 4);
        if (std::memcmp(header, "data", 4) == 0)
        {
            return frameBytes > 0 ? Seconds(size / frameBytes, rate) : std::nullopt;
        }
        if (std::memcmp(header, "fmt ", 4) != 0)
        {
            if (!Skip(file, size))
            {
                return std::nullopt;
            }
            continue;
        }
        // Format, channels, rate, bytes a second (not trusted: the decoder
        // goes by the channels and the bits), block size, bits a sample.
        unsigned char format[16];
        if (size < sizeof format || !ReadExactly(file, format, sizeof format) || !Skip(file, size - sizeof format))
        {
            return std::nullopt;
        }
        const std::uint32_t channels = format[2] | format[3] << 8;
        const std::uint32_t bits = format[14] | format[15] << 8;
        frameBytes = channels * ((bits + 7) / 8);
        rate = Little32(format + 4);
    }
    return std::nullopt;
}

std::optional<double> OggVorbisDeclaredSeconds(std::FILE* file)
{
    // The first page holds the identification header alone: packet type 1,
    // "vorbis", version, channels, then the rate.
    unsigned char page[PAGE_HEADER];
    unsigned char segments[255];
    unsigned char identification[16];
    if (!ReadExactly(file, page, sizeof page) || !IsPageStart(page) || !ReadExactly(file, segments, page[26]) ||
        !ReadExactly(file, identification, sizeof identification) || std::memcmp(identification, "\x01vorbis", 7) != 0)
    {
        return std::nullopt;
    }
    const std::uint32_t serial = Little32(page + 14);
    const std::uint32_t rate = Little32(identification + 12);

    // The last page starts within the largest page's length of the end.
    if (std::fseek(file, 0, SEEK_END) != 0)
    {
        return std::nullopt;
    }
    const long size = std::ftell(file);
    const long tailSize = size < static_cast<long>(LARGEST_PAGE) ? size : static_cast<long>(LARGEST_PAGE);
    std::vector<unsigned char> tail(static_cast<std::size_t>(tailSize > 0 ? tailSize : 0));
    if (size < 0 || std::fseek(file, size - tailSize, SEEK_SET) != 0 || !ReadExactly(file, tail.data(), tail.size()))
    {
        return std::nullopt;
    }
    // From the end back: the last whole page of this stream that ends a packet
    // (a page that ends none has the granule position -1).
    for (std::size_t start = tail.size() >= PAGE_HEADER ? tail.size() - PAGE_HEADER + 1 : 0; start-- > 0;)
    {
        const unsigned char* header = tail.data() + start;
        if (!IsPageStart(header) || Little32(header + 14) != serial || start + PAGE_HEADER + header[26] > tail.size())
        {
            continue;
        }
        std::size_t end = start + PAGE_HEADER + header[26];
        for (int segment = 0; segment < header[26]; ++segment)
        {
            end += header[PAGE_HEADER + segment];
        }
        const std::uint64_t granule = Little64(header + 6);
        if (end <= tail.size() && granule != UINT64_MAX)
        {
            return granule <= INT64_MAX ? Seconds(granule, rate) : std::nullopt;
        }
    }
    return std::nullopt;
}

namespace
{
bool LastsAtMost(const std::string& path, double maxSeconds, std::optional<double> (*declaredSeconds)(std::FILE*))
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
    {
        return false;
    }
    const std::optional<double> seconds = declaredSeconds(file);
    std::fclose(file);
    return seconds.has_value() && *seconds <= maxSeconds;
}
}

bool WavLastsAtMost(const std::string& path, double maxSeconds)
{
    return LastsAtMost(path, maxSeconds, WavDeclaredSeconds);
}

bool OggVorbisLastsAtMost(const std::string& path, double maxSeconds)
{
    return LastsAtMost(path, maxSeconds, OggVorbisDeclaredSeconds);
}
