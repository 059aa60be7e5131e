#include "platform/Platform.h"

#include "desktop/ConsoleText.h"
#include "desktop/DisplayLoss.h"
#include "desktop/Settings.h"
#include "desktop/WindowState.h"
#include "pictures/PicturePrefetch.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

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
    WriteFailureMessage(windows1252Message);
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
    EndGameWhenDisplayIsLost();
}

void AttachEvents(ALLEGRO_EVENT_QUEUE*)
{
    // The library's own events say all a desktop has to say.
}

void ScreenShown(int, bool)
{
    // The keyboard and the gamepad need no controls on the screen.
}

void CheckDisplay(ALLEGRO_DISPLAY* display)
{
    CheckWindowStillExists(display);
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
    // Expose events let the title menu, which draws only when something
    // changes, draw itself again when its window comes back into view.
    return (fullscreen ? ALLEGRO_FULLSCREEN_WINDOW : ALLEGRO_WINDOWED) | ALLEGRO_RESIZABLE |
           ALLEGRO_GENERATE_EXPOSE_EVENTS;
}

bool SetFullscreen(ALLEGRO_DISPLAY* display, bool on)
{
    if (WindowIsFullscreen(display) != on)
    {
        // The library asks the window manager to switch whenever its own flag
        // changes, and that flag misses a switch the window manager made by
        // itself: it is changed whichever way it stands. The window manager
        // resizes the window; the resize event that follows fits the picture.
        const bool flag = (al_get_display_flags(display) & ALLEGRO_FULLSCREEN_WINDOW) != 0;
        al_set_display_flag(display, ALLEGRO_FULLSCREEN_WINDOW, !flag);
    }
    return WindowIsFullscreen(display);
}

bool IsFullscreen(ALLEGRO_DISPLAY* display)
{
    return WindowIsFullscreen(display);
}

std::unique_ptr<PicturePrefetch> PrefetchPictures([[maybe_unused]] const std::vector<std::string>& paths)
{
#if defined(__SANITIZE_ADDRESS__)
    // Not under AddressSanitizer: once this thread has ended, LeakSanitizer's
    // check at exit can crash in threads made later (seen after fullscreen
    // switches), and the pictures load one after another instead.
    return nullptr;
#else
    return std::make_unique<PicturePrefetch>(paths);
#endif
}

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
}
