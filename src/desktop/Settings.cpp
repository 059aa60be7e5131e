#include "desktop/Settings.h"

#include "desktop/ConsoleText.h"
#include "desktop/FileReplacement.h"

#include <allegro5/allegro.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const SECTION = "game";
const char* const MUSIC = "music";
const char* const FULLSCREEN = "fullscreen";
// Two switches take a few dozen bytes; a larger file is no settings file, and
// is not read at all.
const off_t LARGEST_FILE = 64 * 1024;

// Single-byte Windows-1252 text, like the start-up messages.
const char* const UNREADABLE = "Configura\xE7\xF5"
                               "es n\xE3o lidas (arquivo ileg\xEDvel): ";
const char* const DAMAGED = "Configura\xE7\xF5"
                            "es n\xE3o lidas (arquivo danificado): ";
const char* const UNWRITABLE = "Configura\xE7\xF5"
                               "es n\xE3o salvas: ";

struct ConfigDeleter
{
    void operator()(ALLEGRO_CONFIG* config) const
    {
        al_destroy_config(config);
    }
};
using Config = std::unique_ptr<ALLEGRO_CONFIG, ConfigDeleter>;

struct FileCloser
{
    void operator()(ALLEGRO_FILE* file) const
    {
        al_fclose(file);
    }
};
using File = std::unique_ptr<ALLEGRO_FILE, FileCloser>;

const char* OnOff(bool on)
{
    return on ? "on" : "off";
}

// Reads "on" or "off" into value; false when the text is neither.
bool ReadOnOff(const char* text, bool& value)
{
    const std::string word = text;
    if (word == "on" || word == "off")
    {
        value = word == "on";
        return true;
    }
    return false;
}

// The file as read: a config, or why there is none.
struct ReadFile
{
    enum Outcome
    {
        MISSING,    // nothing there: the first launch
        UNREADABLE, // a dangling link, a loop, no permission, not a regular file
        DAMAGED,    // over LARGEST_FILE
        READ
    } outcome;
    Config config;
    off_t size = 0; // of the text, after any byte-order mark
};

// Reads the file at path, following links, without blocking on a FIFO and
// without reading past LARGEST_FILE. A UTF-8 byte-order mark is skipped.
ReadFile ReadConfig(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
    {
        const bool missing = errno == ENOENT;
        struct stat link;
        // Nothing at all there, not even a link that leads nowhere.
        return {missing && lstat(path.c_str(), &link) != 0 ? ReadFile::MISSING : ReadFile::UNREADABLE, nullptr};
    }
    struct stat status;
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    {
        close(descriptor);
        return {ReadFile::UNREADABLE, nullptr};
    }
    if (status.st_size > LARGEST_FILE)
    {
        close(descriptor);
        return {ReadFile::DAMAGED, nullptr};
    }
    const File file(al_fopen_fd(descriptor, "rb"));
    if (file == nullptr)
    {
        close(descriptor);
        return {ReadFile::UNREADABLE, nullptr};
    }
    char mark[3];
    const bool marked = al_fread(file.get(), mark, 3) == 3 && std::memcmp(mark, "\xEF\xBB\xBF", 3) == 0;
    if (!marked)
    {
        al_fseek(file.get(), 0, ALLEGRO_SEEK_SET);
    }
    const off_t textSize = status.st_size - (marked ? 3 : 0);
    // No further than the size seen: a file that grows meanwhile is not followed.
    const File slice(al_fopen_slice(file.get(), static_cast<std::size_t>(textSize), "r"));
    Config config(slice != nullptr ? al_load_config_file_f(slice.get()) : nullptr);
    return {config != nullptr ? ReadFile::READ : ReadFile::UNREADABLE, std::move(config), textSize};
}

// The settings the config holds (the defaults for missing keys); nullopt when
// it is damaged: a value that is neither on nor off, or a file with content
// but neither key.
std::optional<Settings> SettingsIn(const ALLEGRO_CONFIG* config, off_t size)
{
    const char* music = al_get_config_value(config, SECTION, MUSIC);
    const char* fullscreen = al_get_config_value(config, SECTION, FULLSCREEN);
    Settings read;
    const bool damaged = (music == nullptr && fullscreen == nullptr && size > 0) ||
                         (music != nullptr && !ReadOnOff(music, read.musicOn)) ||
                         (fullscreen != nullptr && !ReadOnOff(fullscreen, read.fullscreen));
    return damaged ? std::nullopt : std::optional<Settings>(read);
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
    const ReadFile file = ReadConfig(m_path);
    switch (file.outcome)
    {
    case ReadFile::MISSING:
        return Settings(); // the first launch: nothing remembered yet
    case ReadFile::UNREADABLE:
        ReportOnce(UNREADABLE);
        return Settings();
    case ReadFile::DAMAGED:
        break;
    case ReadFile::READ:
        if (const std::optional<Settings> settings = SettingsIn(file.config.get(), file.size))
        {
            return *settings;
        }
        break;
    }
    ReportOnce(DAMAGED);
    return Settings();
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
        ReadFile now = ReadConfig(target);
        const bool sound = now.outcome == ReadFile::READ && SettingsIn(now.config.get(), now.size).has_value();
        const Config config(sound ? now.config.release() : al_create_config());
        if (change.musicOn.has_value())
        {
            al_set_config_value(config.get(), SECTION, MUSIC, OnOff(*change.musicOn));
        }
        if (change.fullscreen.has_value())
        {
            al_set_config_value(config.get(), SECTION, FULLSCREEN, OnOff(*change.fullscreen));
        }
        written = replacement.Replace([&config](int descriptor) { return WriteConfig(descriptor, config.get()); });
    }
    if (!written)
    {
        ReportOnce(UNWRITABLE);
    }
    return written;
}
