#include "desktop/ConsoleText.h"

#include <cstdio>
#include <cstring>
#include <langinfo.h>

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

bool ConsoleUsesUtf8()
{
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

std::string InConsoleEncoding(const std::string& windows1252Text, bool utf8)
{
    return utf8 ? Windows1252ToUtf8(windows1252Text) : windows1252Text;
}

std::string EscapedUserText(const std::string& bytes)
{
    std::string out;
    for (const char byte : bytes)
    {
        const unsigned char value = static_cast<unsigned char>(byte);
        if (value < 0x20 || value == 0x7F)
        {
            const char* const digits = "0123456789abcdef";
            out += "\\x";
            out += digits[value >> 4];
            out += digits[value & 0xF];
        }
        else
        {
            out += byte;
        }
    }
    return out;
}

void WriteFailureMessage(const char* message)
{
    WriteText(stderr, message);
}

void WriteFailureMessage(const std::string& windows1252Text, const std::string& userText)
{
    const std::string line = InConsoleEncoding(windows1252Text, ConsoleUsesUtf8()) + EscapedUserText(userText) + "\n";
    std::fputs(line.c_str(), stderr);
}

void WriteText(std::FILE* stream, const std::string& windows1252Text)
{
    std::fputs(InConsoleEncoding(windows1252Text, ConsoleUsesUtf8()).c_str(), stream);
}
