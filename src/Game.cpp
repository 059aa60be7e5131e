#include "Game.h"

#include "platform/Platform.h"

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
    // The title menu shows first: the game scene's pictures load after its
    // first frame is on the screen, where frames show once the loop has
    // waited for the next one and given control back.
    m_titleMenu.Setup();
    m_titleMenu.ShowSound(m_soundOn);
    m_titleMenu.Draw();
    m_framePacer.WaitForNextFrame();
    al_rest(0.0);
    CreateSceneActors();
    m_startPictures.reset();

    Platform::PlayMusic(m_music, m_soundOn);

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
    if (ScreenWaitsForPlayer() && !FrameIsOwed())
    {
        // Nothing new to show: sleep until something happens. The timer's
        // ticks wake the loop once a second.
        ALLEGRO_EVENT event;
        al_wait_for_event(m_eventQueue, &event);
        HandleEvent(event);
    }
    RunPass();
}

void Game::RunPass()
{
    HandleWaitingEvents();
    // Before the frame: the title menu waits inside it.
    TellScreenShown();
    UpdateAndDraw();
}

void Game::TellScreenShown()
{
    if (m_state != m_toldState || m_soundOn != m_toldSoundOn)
    {
        m_toldState = m_state;
        m_toldSoundOn = m_soundOn;
        Platform::ScreenShown(m_state, m_soundOn);
    }
}

bool Game::ScreenWaitsForPlayer() const
{
    return m_state == INSTRUCTIONS || m_state == CHOOSE_DIFFICULTY || m_state == SHOW_RECIPE || m_state == PAUSED ||
           m_state == ROUND_OVER;
}

bool Game::FrameIsOwed() const
{
    return m_frameOwed || m_state != m_drawnState;
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
    Platform::DestroyMusic(m_music);
    m_music = nullptr;
    Release(m_catchSound, al_destroy_sample);
    Release(m_timer, al_destroy_timer);
    Release(m_eventQueue, al_destroy_event_queue);
    Release(m_display, al_destroy_display);
    // The fonts stay: the library releases them when the process exits.
}
