#include "filechecks/SoundLength.h"
#include "support/Bytes.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

// The lengths sound files declare, read from their headers alone: the game's
// own files, cut ones, and ones that claim far more than they hold.

namespace
{
std::optional<double> Declared(std::string bytes, std::optional<double> (*reader)(std::FILE*))
{
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    const std::optional<double> seconds = reader(file);
    std::fclose(file);
    return seconds;
}

struct Case
{
    const char* name;
    std::string bytes;
    std::optional<double> seconds; // nullopt: no length can be read
};

void ExpectLengths(const Case* begin, const Case* end, std::optional<double> (*reader)(std::FILE*))
{
    for (const Case* c = begin; c != end; ++c)
    {
        const std::optional<double> declared = Declared(c->bytes, reader);
        ASSERT_EQ(declared.has_value(), c->seconds.has_value()) << c->name;
        if (declared)
        {
            EXPECT_NEAR(*declared, *c->seconds, 0.01 * *c->seconds + 0.01) << c->name;
        }
    }
}
}

TEST(SoundLength, WavHeaders)
{
    const std::string real = FileContents("Assets/Music/pot-lid-1.wav");
    ASSERT_GT(real.size(), 44u);
    std::string lyingRate = real;
    PutLittle(lyingRate, real.find("fmt ") + 16, 0xFFFFFFFF, 4); // bytes a second: not what decoders use

    // One second at 8000 Hz, mono, 16 bits, after an odd-sized chunk and its padding.
    const std::string built = WavFile(8000, 1, 16, std::string(16000, '\0'), "LIST" + Little(3, 4) + "abc" + '\0');
    std::string noRate = built;
    PutLittle(noRate, built.find("fmt ") + 8 + 4, 0, 4);

    const Case cases[] = {
        {"the game's catch sound", real, 0.75},
        {"2 GB claimed", ClaimingTwoGigabytes(real), 0x7FFFFFF0 / 2.0 / 44100.0},
        {"a rate that lies", lyingRate, 0.75},
        {"built", built, 1.0},
        {"cut in the header", real.substr(0, 30), std::nullopt},
        {"cut before data", built.substr(0, built.find("data")), std::nullopt},
        {"no rate", noRate, std::nullopt},
        {"not RIFF", "RIFX" + real.substr(4), std::nullopt},
        {"empty", "", std::nullopt},
    };
    ExpectLengths(std::begin(cases), std::end(cases), WavDeclaredSeconds);
}

TEST(SoundLength, OggVorbisHeaders)
{
    const std::string real = FileContents("Assets/Music/Fornalina.ogg");
    ASSERT_GT(real.size(), 6000u);
    std::string endsNoPacket = real;
    PutLittle(endsNoPacket, real.rfind("OggS") + 6, UINT64_MAX, 8); // the page before it counts
    std::string opus = real;
    opus.replace(real.find("vorbis"), 6, "opus  ");
    std::string noRate = real;
    PutLittle(noRate, real.find("vorbis") + 6 + 5, 0, 4);

    const Case cases[] = {
        {"the game's music", real, 64.0},
        {"a day claimed", ClaimingADay(real), 3600.0 * 24},
        {"cut in the header", real.substr(0, 40), std::nullopt},
        {"not Vorbis", opus, std::nullopt},
        {"no rate", noRate, std::nullopt},
        {"empty", "", std::nullopt},
    };
    ExpectLengths(std::begin(cases), std::end(cases), OggVorbisDeclaredSeconds);
    const std::optional<double> earlier = Declared(endsNoPacket, OggVorbisDeclaredSeconds);
    ASSERT_TRUE(earlier.has_value());
    EXPECT_LT(*earlier, *Declared(real, OggVorbisDeclaredSeconds));
    EXPECT_GT(*earlier, 60.0);
}
