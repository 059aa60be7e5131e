#include "windows/SettingsPath.h"

#include "windows/WideText.h"

// First: the other Windows headers build on it.
#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <shlobj.h>

namespace
{
bool IsSeparator(wchar_t character)
{
    return character == L'\\' || character == L'/';
}

bool IsAbsolute(const std::wstring& folder)
{
    const bool drive = folder.size() >= 3 && std::iswalpha(folder[0]) && folder[1] == L':' && IsSeparator(folder[2]);
    const bool share =
        folder.size() >= 3 && IsSeparator(folder[0]) && IsSeparator(folder[1]) && !IsSeparator(folder[2]);
    return drive || share;
}
}

std::string SettingsPathUnder(const std::wstring& appData)
{
    if (!IsAbsolute(appData))
    {
        return std::string();
    }
    std::wstring folder = appData;
    // Only separators a name can do without: "C:\" keeps its own.
    while (folder.size() > 3 && IsSeparator(folder.back()))
    {
        folder.pop_back();
    }
    if (!IsSeparator(folder.back()))
    {
        folder += L'\\';
    }
    return WideToUtf8(folder + L"Fornalina\\settings.cfg");
}

std::string UserSettingsPath()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData != nullptr && IsAbsolute(appData))
    {
        return SettingsPathUnder(appData);
    }
    PWSTR known = nullptr;
    std::string path;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK)
    {
        path = SettingsPathUnder(known);
    }
    CoTaskMemFree(known);
    return path;
}
