#include "platform/Platform.h"

#include "pictures/PicturePrefetch.h"
#include "text/Windows1252.h"
#include "web/Page.h"

#include <emscripten.h>

namespace
{
const char* const MUSIC_KEY = "fornalina.music";

// Events of the page the game handles like the library's own.
ALLEGRO_EVENT_SOURCE& PageEvents()
{
    static ALLEGRO_EVENT_SOURCE source;
    static const bool made = (al_init_user_event_source(&source), true);
    (void)made;
    return source;
}

bool attached = false;
// The switch as this game last read or wrote it: another tab's change is
// followed only when it differs.
bool storedMusicOn = true;

// clang-format off
EM_JS(void, FollowOtherTabs, (const char* key), {
    const watched = UTF8ToString(key);
    window.addEventListener("storage", function(event) {
        if (event.key === watched && event.newValue !== null)
            _fornalina_music_stored(event.newValue !== "off");
    });
});
// clang-format on
}

// Called by the page when it is hidden (another tab, a minimised window): a
// running round waits, as when the game's window loses the focus.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_page_hidden()
{
    if (attached && al_is_system_installed())
    {
        ALLEGRO_EVENT event{};
        event.type = ALLEGRO_EVENT_DISPLAY_SWITCH_OUT;
        al_emit_user_event(&PageEvents(), &event, nullptr);
    }
}

// Called by the page when another tab of the game switched the music: this
// game switches too, as if M had been pressed here (not once it has ended).
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_music_stored(int on)
{
    if (attached && al_is_system_installed() && (on != 0) != storedMusicOn)
    {
        ALLEGRO_EVENT event{};
        event.type = ALLEGRO_EVENT_KEY_CHAR;
        event.keyboard.keycode = ALLEGRO_KEY_M;
        event.keyboard.unichar = 'm';
        al_emit_user_event(&PageEvents(), &event, nullptr);
    }
}

namespace Platform
{
void ReportFailure(const char* windows1252Message)
{
    // A line for a terminal; the page shows its text.
    std::string text = Windows1252ToUtf8(windows1252Message);
    while (!text.empty() && text.back() == '\n')
    {
        text.pop_back();
    }
    Page::ShowFailure(text);
}

Settings LoadSettings()
{
    Settings settings;
    settings.musicOn = Page::Stored(MUSIC_KEY) != "off";
    storedMusicOn = settings.musicOn;
    return settings; // fullscreen is the browser's own (F11)
}

void RememberMusic(bool on)
{
    storedMusicOn = on;
    Page::Store(MUSIC_KEY, on ? "on" : "off");
}

void RememberFullscreen(bool) {}

void WatchDisplay()
{
    // A page's canvas cannot be taken away while the game runs.
}

void AttachEvents(ALLEGRO_EVENT_QUEUE* queue)
{
    al_register_event_source(queue, &PageEvents());
    attached = true;
    FollowOtherTabs(MUSIC_KEY);
}

void CheckDisplay(ALLEGRO_DISPLAY*) {}

bool CanMakeDisplay()
{
    return Page::HasWebGl();
}

int DisplayFlags(bool)
{
    // The canvas keeps 800 × 600 pixels, and the page scales it to fit.
    return ALLEGRO_WINDOWED;
}

bool SetFullscreen(ALLEGRO_DISPLAY*, bool)
{
    return false; // F11 is the browser's: the page leaves it to the browser
}

bool IsFullscreen(ALLEGRO_DISPLAY*)
{
    return false; // the canvas keeps its size, whatever the browser shows
}

std::unique_ptr<PicturePrefetch> PrefetchPictures(const std::vector<std::string>&)
{
    return nullptr; // no threads in the page: the pictures load in turn
}

void ReturnFreedMemory()
{
    // The page's heap only grows: there is nothing to give back.
}
}
