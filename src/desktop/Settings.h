#pragma once

#include "platform/Platform.h"

#include <string>

// What the game remembers between launches.
using Settings = Platform::Settings;

// The settings file, read and written through Allegro's config API:
//
//   [game]
//   music=on
//   fullscreen=off
//
// A missing file means the defaults. An unreadable or damaged file, or one that
// cannot be written, never stops the game: it goes on with what it has and
// says so once on standard error.
class SettingsFile
{
public:
    explicit SettingsFile(std::string path);

    // "settings.cfg" in the user's settings folder (XDG_CONFIG_HOME/fornalina
    // on Linux). The library must be installed.
    static std::string DefaultPath();

    const std::string& Path() const
    {
        return m_path;
    }

    // The settings in the file; the defaults for whatever is missing or damaged.
    Settings Load();
    // Writes the whole file or nothing: a new file beside it, checked, then
    // renamed over the old one. False when it could not.
    bool Save(const Settings& settings);

private:
    void ReportOnce(const char* windows1252Message);

    std::string m_path;
    bool m_reported = false;
};
