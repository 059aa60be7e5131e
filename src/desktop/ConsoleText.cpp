#include "desktop/ConsoleText.h"

#include "text/Windows1252.h"

#include <cstdio>
#include <cstring>
#include <langinfo.h>

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
