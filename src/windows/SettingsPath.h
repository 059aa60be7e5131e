#pragma once

#include <string>

// Where the settings file lives on Windows: %APPDATA%\Fornalina\settings.cfg,
// in the user's roaming application data.

// The file under appData (a folder, UTF-16), as UTF-8; "" when appData is
// empty or not an absolute path (a drive and a backslash, or \\server\share):
// nothing is saved then.
std::string SettingsPathUnder(const std::wstring& appData);

// The same for this user: APPDATA, or where the system keeps the roaming
// application data when APPDATA is no absolute path.
std::string UserSettingsPath();
