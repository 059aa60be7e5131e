#include "windows/WindowsLaunch.h"

#include "commandline/CommandLine.h"
#include "platform/Platform.h"
#include "windows/Messages.h"
#include "windows/SettingsPath.h"
#include "windows/WideText.h"

// First: the other Windows headers build on it.
#include <windows.h>

#include <filesystem>
#include <shellapi.h>

#ifndef FORNALINA_VERSION
#define FORNALINA_VERSION "unknown"
#endif

std::vector<std::string> CommandLineArguments()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int index = 1; arguments != nullptr && index < count; ++index)
    {
        utf8.push_back(WideToUtf8(arguments[index]));
    }
    LocalFree(arguments);
    return utf8;
}

bool ChangeToExecutableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
        {
            return false;
        }
        if (length < path.size())
        {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // a long path: more room
    }
    return SetCurrentDirectoryW(std::filesystem::path(path).parent_path().wstring().c_str()) != 0;
}

namespace
{
Platform::Launch EndWith(int exitStatus)
{
    Platform::Launch launch;
    launch.play = false;
    launch.exitStatus = exitStatus;
    return launch;
}
}

namespace Platform
{
Launch PrepareLaunch(int, char**)
{
    // Decided before the working folder moves, like everything the player gave.
    const std::string settingsPath = UserSettingsPath();
    const LaunchOptions options = ParseCommandLine(CommandLineArguments());
    switch (options.action)
    {
    case LaunchOptions::Action::Play:
        break;
    case LaunchOptions::Action::Help:
        ShowAnswer(UsageText(settingsPath, true));
        return EndWith(0);
    case LaunchOptions::Action::Version:
        ShowAnswer(std::string("fornalina ") + FORNALINA_VERSION + "\n");
        return EndWith(0);
    case LaunchOptions::Action::Unknown:
        ShowFailure(UnknownOptionText(options.unknown, true));
        return EndWith(2);
    }
    // Left as it is when it cannot move: start-up then names the missing files.
    ChangeToExecutableFolder();
    UseSettingsFile(settingsPath);
    Launch launch;
    launch.fullscreen = options.fullscreen;
    return launch;
}

int EndLaunch(int exitStatus)
{
    ShowFailuresLeft();
    return exitStatus;
}
}
