#include "text/Windows1252.h"

namespace
{
// Windows-1252 bytes 0x80–0x9F; 0 where the code page leaves a byte undefined.
constexpr char32_t HIGH_CONTROLS[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80)
    {
        out += static_cast<char>(code);
    }
    else if (code < 0x800)
    {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}
}

std::string Windows1252ToUtf8(const std::string& text)
{
    std::string out;
    for (const char byte : text)
    {
        const unsigned char value = static_cast<unsigned char>(byte);
        char32_t code = value;
        if (value >= 0x80 && value < 0xA0)
        {
            code = HIGH_CONTROLS[value - 0x80] != 0 ? HIGH_CONTROLS[value - 0x80] : 0xFFFD;
        }
        AppendUtf8(out, code);
    }
    return out;
}
