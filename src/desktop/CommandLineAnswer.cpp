#include "desktop/CommandLineAnswer.h"

#include "desktop/ConsoleText.h"

#include <cstdio>

namespace
{
// True when the whole text reached the stream (a full disk or /dev/full
// shows only when the buffer is flushed).
bool WriteAll(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}
}

int AnswerWithoutPlaying(const LaunchOptions& options, const std::string& settingsPath, const char* version)
{
    std::string answer;
    switch (options.action)
    {
    case LaunchOptions::Action::Play:
        return -1;
    case LaunchOptions::Action::Unknown:
        WriteAll(stderr, UnknownOptionText(options.unknown, ConsoleUsesUtf8()));
        return 2;
    case LaunchOptions::Action::Help:
        answer = UsageText(settingsPath, ConsoleUsesUtf8());
        break;
    case LaunchOptions::Action::Version:
        answer = std::string("fornalina ") + version + "\n";
        break;
    }
    if (!WriteAll(stdout, answer))
    {
        WriteAll(stderr, InConsoleEncoding("fornalina: falha ao escrever na sa\xED"
                                           "da padr\xE3o\n",
                                           ConsoleUsesUtf8()));
        return 1;
    }
    return 0;
}
