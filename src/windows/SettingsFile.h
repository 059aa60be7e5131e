#pragma once

#include "settings/SettingsConfig.h"

#include <string>

// The settings file (settings/SettingsConfig.h) on Windows: a missing file
// means the defaults; an unreadable or damaged one (over 64 KB among them),
// or one that cannot be written, never stops the game: it goes on with what
// it has and says so once on standard error, when there is one. The path is
// UTF-8 and may name any folder (accents, spaces).
class SettingsFile
{
public:
    // "" for none: nothing is read or saved.
    explicit SettingsFile(std::string path);

    const std::string& Path() const
    {
        return m_path;
    }

    Settings Load();
    // Sets the changed settings over what the file holds now (another game
    // may have saved since), keeping its other keys, sections and comments; a
    // damaged file is replaced. The whole file or nothing: a draft beside it,
    // flushed to the disk, then put in its place by ReplaceFile (or MoveFileEx
    // for a new file). False when it could not.
    bool Save(const SettingsChange& change);

private:
    void ReportOnce(const char* windows1252Message);

    std::string m_path;
    bool m_reported = false;
};
