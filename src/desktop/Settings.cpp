#include "desktop/Settings.h"

#include "desktop/ConsoleText.h"
#include "pictures/RegularFile.h"

#include <allegro5/allegro.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const SECTION = "game";
const char* const MUSIC = "music";
const char* const FULLSCREEN = "fullscreen";

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

// True when the file holds exactly these settings, every one of them.
bool Holds(const std::string& path, const Settings& settings)
{
    const Config config(al_load_config_file(path.c_str()));
    const char* music = config ? al_get_config_value(config.get(), SECTION, MUSIC) : nullptr;
    const char* fullscreen = config ? al_get_config_value(config.get(), SECTION, FULLSCREEN) : nullptr;
    Settings read;
    return music != nullptr && fullscreen != nullptr && ReadOnOff(music, read.musicOn) &&
           ReadOnOff(fullscreen, read.fullscreen) && read.musicOn == settings.musicOn &&
           read.fullscreen == settings.fullscreen;
}

// Flushes a written file to the disk, so that the rename cannot outrun it.
bool Flush(const std::string& path)
{
    const int file = open(path.c_str(), O_RDONLY);
    const bool flushed = file >= 0 && fsync(file) == 0;
    if (file >= 0)
    {
        close(file);
    }
    return flushed;
}
}

SettingsFile::SettingsFile(std::string path)
    : m_path(std::move(path))
{
}

std::string SettingsFile::DefaultPath()
{
    // No organisation folder: the settings go straight into .../fornalina/.
    al_set_org_name("");
    al_set_app_name("fornalina");
    ALLEGRO_PATH* folder = al_get_standard_path(ALLEGRO_USER_SETTINGS_PATH);
    if (folder == nullptr)
    {
        return std::string();
    }
    al_set_path_filename(folder, "settings.cfg");
    const std::string path = al_path_cstr(folder, ALLEGRO_NATIVE_PATH_SEP);
    al_destroy_path(folder);
    return path;
}

void SettingsFile::ReportOnce(const char* windows1252Message)
{
    if (!m_reported)
    {
        m_reported = true;
        WriteFailureMessage((std::string(windows1252Message) + m_path + "\n").c_str());
    }
}

Settings SettingsFile::Load()
{
    Settings settings;
    struct stat status;
    if (m_path.empty() || stat(m_path.c_str(), &status) != 0)
    {
        return settings; // the first launch: nothing remembered yet
    }
    const Config config(IsRegularFile(m_path) ? al_load_config_file(m_path.c_str()) : nullptr);
    if (config == nullptr)
    {
        ReportOnce(UNREADABLE);
        return settings;
    }
    const char* music = al_get_config_value(config.get(), SECTION, MUSIC);
    const char* fullscreen = al_get_config_value(config.get(), SECTION, FULLSCREEN);
    bool damaged = (music == nullptr && fullscreen == nullptr && status.st_size > 0);
    Settings read = settings;
    damaged = damaged || (music != nullptr && !ReadOnOff(music, read.musicOn));
    damaged = damaged || (fullscreen != nullptr && !ReadOnOff(fullscreen, read.fullscreen));
    if (damaged)
    {
        ReportOnce(DAMAGED);
        return settings;
    }
    return read;
}

bool SettingsFile::Save(const Settings& settings)
{
    if (m_path.empty())
    {
        return false;
    }
    const std::filesystem::path path(m_path);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);

    const Config config(al_create_config());
    al_set_config_value(config.get(), SECTION, MUSIC, OnOff(settings.musicOn));
    al_set_config_value(config.get(), SECTION, FULLSCREEN, OnOff(settings.fullscreen));

    // A crash or a full disk can only ever leave the new file half written,
    // never the one the next launch reads.
    const std::string draft = m_path + "." + std::to_string(getpid()) + ".tmp";
    const bool written = al_save_config_file(draft.c_str(), config.get()) && Holds(draft, settings) && Flush(draft) &&
                         std::rename(draft.c_str(), m_path.c_str()) == 0;
    if (!written)
    {
        std::remove(draft.c_str());
        ReportOnce(UNWRITABLE);
    }
    return written;
}
