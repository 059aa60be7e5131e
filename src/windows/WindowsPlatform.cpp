#include "platform/Platform.h"

#include "pictures/PicturePrefetch.h"
#include "text/Windows1252.h"
#include "windows/Messages.h"
#include "windows/SettingsFile.h"
#include "windows/WindowsLaunch.h"

namespace
{
SettingsFile& TheSettingsFile()
{
    static SettingsFile file{std::string()};
    return file;
}
}

void UseSettingsFile(const std::string& path)
{
    TheSettingsFile() = SettingsFile(path);
}

namespace Platform
{
void ReportFailure(const char* windows1252Message)
{
    ShowFailureLater(Windows1252ToUtf8(windows1252Message));
}

Settings LoadSettings()
{
    return TheSettingsFile().Load();
}

void RememberMusic(bool on)
{
    TheSettingsFile().Save(SettingsChange{on, std::nullopt});
}

void RememberFullscreen(bool on)
{
    TheSettingsFile().Save(SettingsChange{std::nullopt, on});
}

void WatchDisplay()
{
    // Windows keeps the window; Direct3D's lost device (a locked screen, a
    // driver reset) comes as DISPLAY_LOST and DISPLAY_FOUND, and the library
    // restores the pictures itself.
}

void AttachEvents(ALLEGRO_EVENT_QUEUE*) {}

void ScreenShown(int, bool)
{
    // The keyboard and the gamepad need no controls on the screen.
}

void CheckDisplay(ALLEGRO_DISPLAY*)
{
    // Another program cannot destroy the game's window: it can only ask it
    // to close, which arrives as the close event.
}

bool CanMakeDisplay()
{
    return true; // al_create_display says so itself
}

bool HasWindowIcon()
{
    return true;
}

int DisplayFlags(bool fullscreen)
{
    return (fullscreen ? ALLEGRO_FULLSCREEN_WINDOW : ALLEGRO_WINDOWED) | ALLEGRO_RESIZABLE |
           ALLEGRO_GENERATE_EXPOSE_EVENTS;
}

bool SetFullscreen(ALLEGRO_DISPLAY* display, bool on)
{
    al_set_display_flag(display, ALLEGRO_FULLSCREEN_WINDOW, on);
    return IsFullscreen(display);
}

bool IsFullscreen(ALLEGRO_DISPLAY* display)
{
    // Only the game switches it: Windows has no key of its own for it.
    return display != nullptr && (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
}

std::unique_ptr<PicturePrefetch> PrefetchPictures(const std::vector<std::string>& paths)
{
    return std::make_unique<PicturePrefetch>(paths);
}

void ReturnFreedMemory()
{
    // The C library's heap gives its pages back by itself.
}
}
