#include "desktop/Settings.h"

#include "desktop/ConsoleText.h"
#include "desktop/FileReplacement.h"
#include "settings/SettingsConfig.h"

#include <allegro5/allegro.h>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Reads the file at path, following links, without blocking on a FIFO and
// without reading past LARGEST_SETTINGS_FILE. A UTF-8 byte-order mark is skipped.
SettingsRead ReadConfig(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
    {
        const bool missing = errno == ENOENT;
        struct stat link;
        // Nothing at all there, not even a link that leads nowhere.
        return {missing && lstat(path.c_str(), &link) != 0 ? SettingsRead::MISSING : SettingsRead::UNREADABLE, nullptr};
    }
    struct stat status;
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    {
        close(descriptor);
        return {SettingsRead::UNREADABLE, nullptr};
    }
    if (status.st_size > LARGEST_SETTINGS_FILE)
    {
        close(descriptor);
        return {SettingsRead::DAMAGED, nullptr};
    }
    const File file(al_fopen_fd(descriptor, "rb"));
    if (file == nullptr)
    {
        close(descriptor);
        return {SettingsRead::UNREADABLE, nullptr};
    }
    long textSize = 0;
    Config config = ReadSettingsConfig(file.get(), static_cast<long>(status.st_size), textSize);
    return {config != nullptr ? SettingsRead::READ : SettingsRead::UNREADABLE, std::move(config), textSize};
}

// Writes the config on the descriptor, which stays open; true when all of it
// was written.
bool WriteConfig(int descriptor, const ALLEGRO_CONFIG* config)
{
    const int copy = dup(descriptor);
    ALLEGRO_FILE* file = copy >= 0 ? al_fopen_fd(copy, "wb") : nullptr;
    if (file == nullptr)
    {
        if (copy >= 0)
        {
            close(copy);
        }
        return false;
    }
    const bool written = al_save_config_file_f(file, config);
    return al_fclose(file) && written;
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
        WriteFailureMessage(windows1252Message, m_path);
    }
}

Settings SettingsFile::Load()
{
    if (m_path.empty())
    {
        return Settings();
    }
    const LoadedSettings loaded = SettingsFrom(ReadConfig(m_path));
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
    const std::string target = FollowLinks(m_path);
    bool written = false;
    if (!target.empty())
    {
        // Read and replaced in one turn: another game saving at the same time
        // waits, then changes its own key over this one's.
        FileReplacement replacement(target);
        SettingsRead now = ReadConfig(target);
        const bool sound = now.outcome == SettingsRead::READ && SettingsIn(now.config.get(), now.size).has_value();
        const Config config(sound ? now.config.release() : al_create_config());
        ApplySettingsChange(config.get(), change);
        written = replacement.Replace([&config](int descriptor) { return WriteConfig(descriptor, config.get()); });
    }
    if (!written)
    {
        ReportOnce(SETTINGS_UNWRITABLE);
    }
    return written;
}
