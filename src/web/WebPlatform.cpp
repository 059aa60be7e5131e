#include "platform/Platform.h"

#include "input/ControlEvent.h"
#include "input/OnScreenControls.h"
#include "pictures/PicturePrefetch.h"
#include "text/Windows1252.h"
#include "web/Page.h"
#include "web/PageControls.h"

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

// Called by the page as an on-screen control is pressed (1) or let go (0):
// the game reads it from its queue like a key. It only queues, never waits,
// so the page may call it while the game waits.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_control(int action, int pressed)
{
    if (attached)
    {
        ALLEGRO_EVENT event = ControlEvent(static_cast<Action>(action), pressed != 0);
        al_emit_user_event(&PageEvents(), &event, nullptr);
    }
}

// Called by the page when another tab of the game switched the music: this
// game switches too, as if its "Música" were pressed here (every screen
// answers that, the result screen too, which reads no typed M), but not once
// it has ended.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_music_stored(int on)
{
    if (attached && al_is_system_installed() && (on != 0) != storedMusicOn)
    {
        ALLEGRO_EVENT event = ControlEvent(Action::Music, true);
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

void ScreenShown(int screen, bool musicOn)
{
    Page::ShowControls(screen, ControlsOf(screen), musicOn);
}

void CheckDisplay(ALLEGRO_DISPLAY*) {}

bool CanMakeDisplay()
{
    return Page::HasWebGl();
}

bool HasWindowIcon()
{
    // The tab shows the page's icon (icon.png): loading the game's own before
    // the title menu's first frame would only delay it.
    return false;
}

int DisplayFlags(bool)
{
    // The game draws flat pictures: a canvas without a depth buffer, which
    // the browser would otherwise clear every frame.
    al_set_new_display_option(ALLEGRO_DEPTH_SIZE, 0, ALLEGRO_SUGGEST);
    // Nor does it test alpha: the shader without the test, whose branches cost
    // every pixel of every frame where WebGL is drawn in software.
    al_set_new_display_option(ALLEGRO_DEFAULT_SHADER_PLATFORM, ALLEGRO_SHADER_GLSL_MINIMAL, ALLEGRO_REQUIRE);
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
