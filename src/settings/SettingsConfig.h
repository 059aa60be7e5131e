#pragma once

#include "platform/Platform.h"

#include <allegro5/allegro.h>

#include <memory>
#include <optional>

// The settings file's contents and rules, read and written through Allegro's
// config API, whatever the file system it lives on:
//
//   [game]
//   music=on
//   fullscreen=off

using Settings = Platform::Settings;

// What one switch changed: the settings given are saved, the others are left
// as the file has them.
struct SettingsChange
{
    std::optional<bool> musicOn;
    std::optional<bool> fullscreen;
};

// Two switches take a few dozen bytes; a larger file is no settings file, and
// is not read at all.
constexpr long LARGEST_SETTINGS_FILE = 64 * 1024;

// What is said, once, about a file that cannot serve (single-byte
// Windows-1252, like the start-up messages); the file's path follows.
extern const char* const SETTINGS_UNREADABLE;
extern const char* const SETTINGS_DAMAGED;
extern const char* const SETTINGS_UNWRITABLE;

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

// The config in an open file of size bytes (at most LARGEST_SETTINGS_FILE), a
// UTF-8 byte-order mark skipped, read no further than that size (a file that
// grows meanwhile is not followed); nullptr when it cannot be read. textSize
// is the size after the mark.
Config ReadSettingsConfig(ALLEGRO_FILE* file, long size, long& textSize);

// The settings the config holds (the defaults for missing keys); nullopt when
// it is damaged: a value that is neither on nor off, or a file with content
// but neither key.
std::optional<Settings> SettingsIn(const ALLEGRO_CONFIG* config, long textSize);

// The settings file as a platform read it: a config, or why there is none.
struct SettingsRead
{
    enum Outcome
    {
        MISSING,    // nothing there: the first launch
        UNREADABLE, // a dangling link, a folder in its place, no permission, not a regular file
        DAMAGED,    // over LARGEST_SETTINGS_FILE
        READ
    } outcome;
    Config config;
    long size = 0; // of the text, after any byte-order mark
};

// What a read gives the game: the settings (the defaults unless the file
// served), and what to say once about the file (nullptr for nothing).
struct LoadedSettings
{
    Settings settings;
    const char* complaint = nullptr;
};
LoadedSettings SettingsFrom(const SettingsRead& read);

// Sets the changed keys into the config, leaving everything else.
void ApplySettingsChange(ALLEGRO_CONFIG* config, const SettingsChange& change);
