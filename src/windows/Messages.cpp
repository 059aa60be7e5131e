#include "windows/Messages.h"

#include "windows/WideText.h"

#include <windows.h>

namespace
{
// The handle of the standard stream, or else of the console the game was
// started from; nullptr for none.
HANDLE StreamHandle(bool error)
{
    const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
    {
        return handle;
    }
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!attached)
    {
        return nullptr;
    }
    static HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    return console != INVALID_HANDLE_VALUE ? console : nullptr;
}

// The text without its last line feed: a message box needs none.
std::wstring BoxText(const std::string& utf8Text)
{
    std::wstring text = Utf8ToWide(utf8Text);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
    {
        text.pop_back();
    }
    return text;
}

void ShowBox(const std::string& utf8Text, UINT icon)
{
    MessageBoxW(nullptr, BoxText(utf8Text).c_str(), L"Fornalina", MB_OK | icon | MB_SETFOREGROUND);
}
}

bool WriteToConsole(bool error, const std::string& utf8Text)
{
    HANDLE handle = StreamHandle(error);
    if (handle == nullptr)
    {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode))
    {
        // A console shows UTF-16 whatever its code page.
        const std::wstring wide = Utf8ToWide(utf8Text);
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
               written == wide.size();
    }
    // A file or a pipe takes the bytes as they are.
    return WriteFile(handle, utf8Text.data(), static_cast<DWORD>(utf8Text.size()), &written, nullptr) &&
           written == utf8Text.size();
}

void ShowFailure(const std::string& utf8Text)
{
    WriteToConsole(true, utf8Text);
    ShowBox(utf8Text, MB_ICONERROR);
}

namespace
{
std::string& FailuresLeft()
{
    static std::string failures;
    return failures;
}
}

void ShowFailureLater(const std::string& utf8Text)
{
    WriteToConsole(true, utf8Text);
    FailuresLeft() += utf8Text;
}

void ShowFailuresLeft()
{
    if (!FailuresLeft().empty())
    {
        ShowBox(FailuresLeft(), MB_ICONERROR);
        FailuresLeft().clear();
    }
}

void ShowAnswer(const std::string& utf8Text)
{
    if (!WriteToConsole(false, utf8Text))
    {
        ShowBox(utf8Text, MB_ICONINFORMATION);
    }
}
