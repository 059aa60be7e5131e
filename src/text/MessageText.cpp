#include "text/MessageText.h"

#include "text/Windows1252.h"

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
