#include "settings/SettingsConfig.h"

#include <cstring>
#include <string>

const char* const SETTINGS_UNREADABLE = "Configura\xE7\xF5"
                                        "es n\xE3o lidas (arquivo ileg\xEDvel): ";
const char* const SETTINGS_DAMAGED = "Configura\xE7\xF5"
                                     "es n\xE3o lidas (arquivo danificado): ";
const char* const SETTINGS_UNWRITABLE = "Configura\xE7\xF5"
                                        "es n\xE3o salvas: ";

namespace
{
const char* const SECTION = "game";
const char* const MUSIC = "music";
const char* const FULLSCREEN = "fullscreen";

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
}

Config ReadSettingsConfig(ALLEGRO_FILE* file, long size, long& textSize)
{
    char mark[3];
    const bool marked = al_fread(file, mark, 3) == 3 && std::memcmp(mark, "\xEF\xBB\xBF", 3) == 0;
    if (!marked)
    {
        al_fseek(file, 0, ALLEGRO_SEEK_SET);
    }
    textSize = size - (marked ? 3 : 0);
    const File slice(al_fopen_slice(file, static_cast<std::size_t>(textSize), "r"));
    return Config(slice != nullptr ? al_load_config_file_f(slice.get()) : nullptr);
}

LoadedSettings SettingsFrom(const SettingsRead& read)
{
    switch (read.outcome)
    {
    case SettingsRead::MISSING:
        return {}; // the first launch: nothing remembered yet
    case SettingsRead::UNREADABLE:
        return {Settings(), SETTINGS_UNREADABLE};
    case SettingsRead::DAMAGED:
        break;
    case SettingsRead::READ:
        if (const std::optional<Settings> settings = SettingsIn(read.config.get(), read.size))
        {
            return {*settings};
        }
        break;
    }
    return {Settings(), SETTINGS_DAMAGED};
}

std::optional<Settings> SettingsIn(const ALLEGRO_CONFIG* config, long textSize)
{
    const char* music = al_get_config_value(config, SECTION, MUSIC);
    const char* fullscreen = al_get_config_value(config, SECTION, FULLSCREEN);
    Settings read;
    const bool damaged = (music == nullptr && fullscreen == nullptr && textSize > 0) ||
                         (music != nullptr && !ReadOnOff(music, read.musicOn)) ||
                         (fullscreen != nullptr && !ReadOnOff(fullscreen, read.fullscreen));
    return damaged ? std::nullopt : std::optional<Settings>(read);
}

void ApplySettingsChange(ALLEGRO_CONFIG* config, const SettingsChange& change)
{
    if (change.musicOn.has_value())
    {
        al_set_config_value(config, SECTION, MUSIC, OnOff(*change.musicOn));
    }
    if (change.fullscreen.has_value())
    {
        al_set_config_value(config, SECTION, FULLSCREEN, OnOff(*change.fullscreen));
    }
}
