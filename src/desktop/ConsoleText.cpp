#include "desktop/ConsoleText.h"

#include <cstdio>
#include <cstring>
#include <langinfo.h>

bool ConsoleUsesUtf8()
{
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
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
