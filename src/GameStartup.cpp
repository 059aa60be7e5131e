#include "Game.h"

#include "content/SceneActors.h"
#include "filechecks/AssetChecks.h"
#include "filechecks/RegularFile.h"
#include "filechecks/SoundLength.h"
#include "gameplay/AccountLayout.h"
#include "pictures/BitmapFile.h"
#include "pictures/PicturePrefetch.h"
#include "platform/Platform.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>

namespace
{
// Written as single-byte Windows-1252 text: 0xE1 is "á".
const char* const SYSTEM_FAILED = "Falha ao inicializar Allegro.\n";
const char* const AUDIO_FAILED = "Falha ao inicializar \xE1udio.\n";
const char* const CODECS_FAILED = "Falha ao inicializar codecs de \xE1udio.\n";
const char* const VOICES_FAILED = "Falha ao alocar canais de \xE1udio.\n";
const char* const IMAGE_FAILED = "Falha ao inicializar add-on allegro_image.\n";
const char* const KEYBOARD_FAILED = "Falha ao inicializar o teclado.\n";
const char* const DISPLAY_FAILED = "Falha ao criar janela.\n";
const char* const QUEUE_FAILED = "Falha ao criar fila de eventos.\n";
const char* const TTF_FAILED = "Falha ao inicializar allegro_ttf.\n";
const char* const FONT_FAILED = "Falha ao carregar fonte.\n";
const char* const TIMER_FAILED = "Falha ao criar timer.\n";
const char* const SAMPLE_FAILED = "Falha ao carregar sample.\n";
const char* const MUSIC_FAILED = "Falha ao carregar audio.\n";

const char* const FONT_PATH = "Assets/Fonts/orangeJuice.ttf";
const char* const CATCH_SOUND_PATH = "Assets/Music/pot-lid-1.wav";
const char* const MUSIC_PATH = "Assets/Music/Fornalina.ogg";
const char* const ICON_PATH = "Assets/Sprites/Icone.png";
// Longer sounds are refused before they are decoded (the catch sound lasts
// 0.75 s, the music about a minute).
const double CATCH_SOUND_MOST_SECONDS = 5.0;
const double MUSIC_MOST_SECONDS = 600.0;

// Every character the game writes: the clock, the result, the count and the
// round's account. The account's badges also draw a bullet (U+2022), which this
// byte-wise check cannot name; a font without one shows their signs alone.
const char* const WRITTEN_CHARACTERS = "0123456789:Ganhou!Perdeu!/+-";
// The check draws at a small size: a glyph that leaves ink at one size leaves
// it at every size, as all sizes come from the same outlines.
const int CHECKED_SIZE = 20;

// True when the font file is a regular file that draws every character the
// game writes. A cut file can load and draw nothing. The check draws with a
// copy whose glyphs live in memory: glyphs on the graphics card would each be
// read back to look for ink, a wait that cost start-up a quarter of a second.
bool FontFileIsUsable()
{
    if (!IsRegularFile(FONT_PATH))
    {
        return false;
    }
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_FONT* inMemory = al_load_font(FONT_PATH, CHECKED_SIZE, 0);
    al_set_new_bitmap_flags(previousFlags);
    const bool usable = inMemory != nullptr && FontDrawsEveryCharacter(inMemory, WRITTEN_CHARACTERS);
    if (inMemory != nullptr)
    {
        al_destroy_font(inMemory);
    }
    return usable;
}

// The catch sound, or nullptr when missing, not a regular file, too long, or silent.
ALLEGRO_SAMPLE* LoadCatchSound()
{
    ALLEGRO_SAMPLE* sample =
        IsRegularFile(CATCH_SOUND_PATH) && WavLastsAtMost(CATCH_SOUND_PATH, CATCH_SOUND_MOST_SECONDS)
            ? al_load_sample(CATCH_SOUND_PATH)
            : nullptr;
    if (sample != nullptr && !SampleHasSound(sample))
    {
        al_destroy_sample(sample);
        sample = nullptr;
    }
    return sample;
}

// Every picture start-up loads, in load order: the icon and the title menu's
// before its first frame, the game scene's after it.
std::vector<std::string> StartPicturePaths()
{
    std::vector<std::string> paths = {ICON_PATH};
    for (const std::string& picture : TitleMenu::PicturePaths())
    {
        paths.push_back(picture);
    }
    for (const SceneActorPlan& plan : SceneActorPlans())
    {
        for (const char* picture : {plan.firstImage, plan.secondImage})
        {
            if (picture != nullptr)
            {
                paths.push_back(picture);
            }
        }
    }
    return paths;
}

// The window shows the same icon as the desktop entry; without the file it
// keeps the system's. The icon's pixels are only read, never drawn: in memory,
// they are spared an upload to the graphics card and a read back from it (a
// quarter of a second of start-up with software WebGL).
void SetWindowIcon(ALLEGRO_DISPLAY* display)
{
    const int previousFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* icon = LoadBitmapFile(ICON_PATH);
    al_set_new_bitmap_flags(previousFlags);
    if (icon != nullptr)
    {
        al_set_display_icon(display, icon);
        al_destroy_bitmap(icon);
    }
}
}

bool Game::InitAllegro()
{
    // Reports the failure and releases what the earlier steps created, fonts
    // included: nothing of a failed start-up is left behind.
    auto fail = [this](const char* message) {
        Platform::ReportFailure(message);
        m_startPictures.reset();
        Shutdown();
        for (ALLEGRO_FONT** font : {&m_countFont, &m_bigFont, &m_font})
        {
            if (*font != nullptr)
            {
                al_destroy_font(*font);
                *font = nullptr;
            }
        }
        return false;
    };

    // No clean-up at exit: Run uninstalls the library itself, on this thread,
    // and a lost display ends the process without running any.
    Platform::WatchDisplay();
    if (!al_install_system(ALLEGRO_VERSION_INT, nullptr))
    {
        return fail(SYSTEM_FAILED);
    }
    const Platform::Settings settings = Platform::LoadSettings();
    m_soundOn = settings.musicOn;
    m_fullscreen = m_launchFullscreen >= 0 ? m_launchFullscreen == 1 : settings.fullscreen;
    if (!al_install_audio())
    {
        return fail(AUDIO_FAILED);
    }
    if (!al_init_acodec_addon())
    {
        return fail(CODECS_FAILED);
    }
    if (!al_reserve_samples(9))
    {
        return fail(VOICES_FAILED);
    }
    if (!al_init_image_addon())
    {
        return fail(IMAGE_FAILED);
    }
    m_startPictures = Platform::PrefetchPictures(StartPicturePaths());
    if (!al_install_keyboard())
    {
        return fail(KEYBOARD_FAILED);
    }
    // A gamepad is welcome, never needed: without joystick support the game
    // plays on with the keyboard.
    const bool gamepads = al_install_joystick();

    // Vsync spares the frame pacer its sleep where the driver honours it. A
    // window may be resized or maximised: frames scale to fit it.
    al_set_new_display_option(ALLEGRO_VSYNC, 1, ALLEGRO_SUGGEST);
    al_set_new_display_flags(Platform::DisplayFlags(m_fullscreen));
    m_display = Platform::CanMakeDisplay() ? al_create_display(800, 600) : nullptr;
    if (m_display == nullptr)
    {
        return fail(DISPLAY_FAILED);
    }
    m_eventQueue = al_create_event_queue();
    if (m_eventQueue == nullptr)
    {
        return fail(QUEUE_FAILED);
    }
    // At once: a window closed while the game loads must still end it.
    al_register_event_source(m_eventQueue, al_get_display_event_source(m_display));
    Platform::AttachEvents(m_eventQueue);
    al_init_font_addon();
    if (!al_init_ttf_addon())
    {
        return fail(TTF_FAILED);
    }
    m_font = FontFileIsUsable() ? al_load_font(FONT_PATH, 80, 0) : nullptr;
    if (m_font == nullptr)
    {
        return fail(FONT_FAILED);
    }
    m_bigFont = al_load_font(FONT_PATH, 150, 0);
    if (m_bigFont == nullptr)
    {
        return fail(FONT_FAILED);
    }
    m_countFont = al_load_font(FONT_PATH, AccountLayout::COUNT_FONT_SIZE, 0);
    if (m_countFont == nullptr)
    {
        return fail(FONT_FAILED);
    }
    m_timer = al_create_timer(1.0);
    if (m_timer == nullptr)
    {
        return fail(TIMER_FAILED);
    }
    m_catchSound = LoadCatchSound();
    if (m_catchSound == nullptr)
    {
        return fail(SAMPLE_FAILED);
    }
    // The length is read from the file's header: only a regular file is opened.
    m_music = IsRegularFile(MUSIC_PATH) && OggVorbisLastsAtMost(MUSIC_PATH, MUSIC_MOST_SECONDS)
                  ? Platform::LoadMusic(MUSIC_PATH)
                  : nullptr;
    if (m_music == nullptr)
    {
        return fail(MUSIC_FAILED);
    }

    al_set_window_title(m_display, "Fornalina");
    if (Platform::HasWindowIcon())
    {
        SetWindowIcon(m_display);
    }
    al_register_event_source(m_eventQueue, al_get_timer_event_source(m_timer));
    al_register_event_source(m_eventQueue, al_get_keyboard_event_source());
    if (gamepads)
    {
        al_register_event_source(m_eventQueue, al_get_joystick_event_source());
    }
    return true;
}
