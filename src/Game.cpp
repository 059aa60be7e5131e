#include "Game.h"

#include <allegro5/allegro_audio.h>

#include <cstdlib>
#include <ctime>

Game::~Game()
{
    Shutdown();
}

void Game::SetLaunchFullscreen(int fullscreen)
{
    m_launchFullscreen = fullscreen;
}

void Game::SetSettingsPath(std::string path)
{
    m_settingsFile = SettingsFile(std::move(path));
}

void Game::Run()
{
    if (m_state != NOT_STARTED)
    {
        return;
    }
    if (!Start())
    {
        m_exitStatus = 1;
        al_uninstall_system();
        return;
    }
    while (!IsOver())
    {
        Step();
    }
    // The pictures go while the library that made them is still there.
    ReleaseScenes();
    Shutdown();
    // Ends the library and what it still holds (the fonts, the add-ons).
    al_uninstall_system();
}

bool Game::Start()
{
    m_display = nullptr;
    m_eventQueue = nullptr;
    m_timer = nullptr;
    m_font = nullptr;
    m_bigFont = nullptr;
    m_music = nullptr;
    m_catchSound = nullptr;
    m_soundOn = true;

    if (!InitAllegro())
    {
        return false;
    }
    CreateSceneActors();
    m_titleMenu.Setup();
    m_startPictures.reset();

    al_attach_audio_stream_to_mixer(m_music, al_get_default_mixer());
    // Allegro 5.2.8 answers false here although the stream does loop.
    al_set_audio_stream_playmode(m_music, ALLEGRO_PLAYMODE_LOOP);
    al_set_audio_stream_playing(m_music, m_soundOn);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    m_state = TITLE_MENU;
    al_start_timer(m_timer);
    return true;
}

bool Game::IsOver() const
{
    return m_state == QUIT;
}

int Game::ExitStatus() const
{
    return m_exitStatus;
}

void Game::Step()
{
    HandleWaitingEvents();
    UpdateAndDraw();
}

void Game::HandleWaitingEvents()
{
    // The queue is not empty, so al_wait_for_event takes the next event at once.
    while (!al_is_event_queue_empty(m_eventQueue))
    {
        ALLEGRO_EVENT event;
        al_wait_for_event(m_eventQueue, &event);
        HandleEvent(event);
    }
}

namespace
{
template <typename Handle>
void Release(Handle*& handle, void (*destroy)(Handle*))
{
    if (handle != nullptr)
    {
        destroy(handle);
        handle = nullptr;
    }
}
}

void Game::Shutdown()
{
    // The music stream goes first: a process that ends with the stream still
    // attached can hang at exit.
    Release(m_music, al_destroy_audio_stream);
    Release(m_catchSound, al_destroy_sample);
    Release(m_timer, al_destroy_timer);
    Release(m_eventQueue, al_destroy_event_queue);
    Release(m_display, al_destroy_display);
    // The fonts stay: the library releases them when the process exits.
}
