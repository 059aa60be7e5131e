#include "windows/SettingsFile.h"

#include "settings/DraftName.h"
#include "text/MessageText.h"
#include "text/Windows1252.h"
#include "windows/Messages.h"
#include "windows/WideText.h"

#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <system_error>
#include <windows.h>

namespace fs = std::filesystem;

namespace
{
// An open handle as an Allegro file, which then owns it.
ALLEGRO_FILE* AsAllegroFile(HANDLE handle, int flags, const char* mode)
{
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (descriptor < 0)
    {
        CloseHandle(handle);
        return nullptr;
    }
    ALLEGRO_FILE* file = al_fopen_fd(descriptor, mode);
    if (file == nullptr)
    {
        _close(descriptor);
    }
    return file;
}

SettingsRead ReadConfig(const std::wstring& path)
{
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? SettingsRead::MISSING : SettingsRead::UNREADABLE, nullptr};
    }
    LARGE_INTEGER size;
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size))
    {
        CloseHandle(handle);
        return {SettingsRead::UNREADABLE, nullptr};
    }
    if (size.QuadPart > LARGEST_SETTINGS_FILE)
    {
        CloseHandle(handle);
        return {SettingsRead::DAMAGED, nullptr};
    }
    const File file(AsAllegroFile(handle, _O_RDONLY, "rb"));
    if (file == nullptr)
    {
        return {SettingsRead::UNREADABLE, nullptr};
    }
    long textSize = 0;
    Config config = ReadSettingsConfig(file.get(), static_cast<long>(size.QuadPart), textSize);
    return {config != nullptr ? SettingsRead::READ : SettingsRead::UNREADABLE, std::move(config), textSize};
}

// Games saving at the same time take turns: read, change and replace is one
// turn. Held while it lives; a game that died holding it gives it up.
class SaveTurn
{
public:
    SaveTurn()
        : m_mutex(CreateMutexW(nullptr, FALSE, L"Local\\Fornalina-settings"))
    {
        if (m_mutex != nullptr)
        {
            const DWORD waited = WaitForSingleObject(m_mutex, INFINITE);
            m_held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        }
    }
    ~SaveTurn()
    {
        if (m_held)
        {
            ReleaseMutex(m_mutex);
        }
        if (m_mutex != nullptr)
        {
            CloseHandle(m_mutex);
        }
    }
    SaveTurn(const SaveTurn&) = delete;
    SaveTurn& operator=(const SaveTurn&) = delete;

private:
    HANDLE m_mutex;
    bool m_held = false;
};

// Removes the drafts a save killed half-way left beside target. Only during a
// turn: any draft there then belongs to no one.
void RemoveLeftDrafts(const fs::path& target)
{
    const std::string fileName = WideToUtf8(target.filename().wstring());
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(target.parent_path(), error))
    {
        if (IsDraftName(WideToUtf8(entry.path().filename().wstring()), fileName))
        {
            DeleteFileW(entry.path().wstring().c_str());
        }
    }
}

// Writes the config into a new draft beside target and flushes it to the
// disk; "" when it could not (no draft is left then).
std::wstring WriteDraft(const std::string& target, const ALLEGRO_CONFIG* config)
{
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const std::wstring draft = Utf8ToWide(DraftName(target));
        HANDLE handle =
            CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
        {
            if (GetLastError() == ERROR_FILE_EXISTS)
            {
                continue; // that name is taken: another one
            }
            return std::wstring();
        }
        ALLEGRO_FILE* file = AsAllegroFile(handle, _O_WRONLY, "wb");
        bool written =
            file != nullptr && al_save_config_file_f(file, config) && al_fflush(file) && FlushFileBuffers(handle);
        written = file != nullptr && al_fclose(file) && written;
        if (written)
        {
            return draft;
        }
        DeleteFileW(draft.c_str());
        return std::wstring();
    }
    return std::wstring();
}
}

SettingsFile::SettingsFile(std::string path)
    : m_path(std::move(path))
{
}

void SettingsFile::ReportOnce(const char* windows1252Message)
{
    if (!m_reported)
    {
        m_reported = true;
        WriteToConsole(true, Windows1252ToUtf8(windows1252Message) + EscapedUserText(m_path) + "\n");
    }
}

Settings SettingsFile::Load()
{
    if (m_path.empty())
    {
        return Settings();
    }
    const LoadedSettings loaded = SettingsFrom(ReadConfig(Utf8ToWide(m_path)));
    if (loaded.complaint != nullptr)
    {
        ReportOnce(loaded.complaint);
    }
    return loaded.settings;
}

bool SettingsFile::Save(const SettingsChange& change)
{
    if (m_path.empty())
    {
        return false;
    }
    const std::wstring target = Utf8ToWide(m_path);
    std::error_code error;
    fs::create_directories(fs::path(target).parent_path(), error);
    bool written = false;
    {
        const SaveTurn turn;
        RemoveLeftDrafts(fs::path(target));
        SettingsRead now = ReadConfig(target);
        const bool sound = now.outcome == SettingsRead::READ && SettingsIn(now.config.get(), now.size).has_value();
        const Config config(sound ? now.config.release() : al_create_config());
        ApplySettingsChange(config.get(), change);
        // A folder in the file's place stays (Wine's MoveFileEx would replace an empty one).
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool folderThere = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const std::wstring draft = folderThere ? std::wstring() : WriteDraft(m_path, config.get());
        if (!draft.empty())
        {
            // ReplaceFile keeps the old file's attributes and permissions;
            // a new file (or a file it cannot replace) is moved into place.
            written = (now.outcome != SettingsRead::MISSING &&
                       ReplaceFileW(target.c_str(), draft.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                    nullptr)) ||
                      MoveFileExW(draft.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            if (!written)
            {
                DeleteFileW(draft.c_str());
            }
        }
    }
    if (!written)
    {
        ReportOnce(SETTINGS_UNWRITABLE);
    }
    return written;
}
