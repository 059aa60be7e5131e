#pragma once

#include "settings/SettingsConfig.h"

#include <string>

// The settings file (settings/SettingsConfig.h) in the desktop's file system.
// A missing file means the defaults. An unreadable or damaged file (one over
// 64 KB among them), or one that cannot be written, never stops the game: it
// goes on with what it has and says so once on standard error.
class SettingsFile
{
public:
    // path: the file (see SettingsPath.h); "" when there is none, and then
    // nothing is read or saved.
    explicit SettingsFile(std::string path);

    const std::string& Path() const
    {
        return m_path;
    }

    // The settings in the file; the defaults for whatever is missing or damaged.
    Settings Load();
    // Sets the changed settings over what the file holds now (another game may
    // have saved since this one read it), keeping its other keys, sections and
    // comments; a damaged file is replaced. Writes the whole file or nothing,
    // where a symbolic link leads, keeping the file's mode. False when it could
    // not.
    bool Save(const SettingsChange& change);

private:
    void ReportOnce(const char* windows1252Message);

    std::string m_path;
    bool m_reported = false;
};

// The file the desktop's remembered settings live in (Platform::LoadSettings,
// RememberMusic, RememberFullscreen): "" for none, nothing remembered. The
// launch sets the user's; tests set their own.
void UseSettingsFile(const std::string& path);
