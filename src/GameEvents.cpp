#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"
#include "gameplay/RoundRules.h"
#include "input/FullscreenKeys.h"

#include "platform/Platform.h"

namespace
{
// The key of an event of that type, or 0 (no key has that code) for any other.
int KeyOf(const ALLEGRO_EVENT& event, ALLEGRO_EVENT_TYPE type)
{
    return event.type == type ? event.keyboard.keycode : 0;
}

// A key pressed, the window (uncovered, resized, the focus), a gamepad: after
// any event but a tick or a key or button let go, what a screen shows may
// have changed.
bool MayChangeTheScreen(const ALLEGRO_EVENT& event)
{
    return event.type != ALLEGRO_EVENT_TIMER && event.type != ALLEGRO_EVENT_KEY_UP &&
           event.type != ALLEGRO_EVENT_JOYSTICK_BUTTON_UP;
}
}

void Game::HandleEvent(const ALLEGRO_EVENT& event)
{
    if (MayChangeTheScreen(event))
    {
        m_frameOwed = true;
    }
    if (event.type == ALLEGRO_EVENT_DISPLAY_RESIZE && event.display.source == m_display)
    {
        // Every screen but the title menu draws its next frame at the new size.
        al_acknowledge_resize(m_display);
        FollowFullscreen(Platform::IsFullscreen(m_display));
        return;
    }
    if (event.type == ALLEGRO_EVENT_JOYSTICK_CONFIGURATION)
    {
        al_reconfigure_joysticks(); // a gamepad came or went
        return;
    }
    if (m_state == TITLE_MENU || m_state == QUIT || m_state == NOT_STARTED || m_state == UNUSED_STATE)
    {
        return; // the title menu reads its own events; the others ignore them all
    }
    if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE)
    {
        m_state = QUIT;
        return;
    }
    if (event.type == ALLEGRO_EVENT_TIMER && ScreenWaitsForPlayer())
    {
        // Nothing is drawn while the screen waits, so a window destroyed by
        // another program would go unnoticed: look once a tick.
        Platform::CheckDisplay(m_display);
        return;
    }
    if (TogglesFullscreen(event))
    {
        ToggleFullscreen();
        return;
    }
    if (event.type == ALLEGRO_EVENT_DISPLAY_SWITCH_OUT && m_state == PLAYING)
    {
        // The player looks at another window: the round waits, as P makes it.
        m_state = PAUSED;
        return;
    }
    if (event.type == ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN || event.type == ALLEGRO_EVENT_JOYSTICK_AXIS)
    {
        HandleGamepadEvent(event);
        return;
    }
    if (IsEnterWithAlt(event))
    {
        return; // the fullscreen switch's, not this screen's ENTER
    }
    // Key-down events on the result screen only: a key held from the round
    // repeats as character events, which must not skip the result.
    const int key = KeyOf(event, m_state == ROUND_OVER ? ALLEGRO_EVENT_KEY_DOWN : ALLEGRO_EVENT_KEY_CHAR);
    // A held key repeats as character events: a switch such as P or M acts
    // once per press (each switch of the music is saved, too).
    const bool repeated = event.type == ALLEGRO_EVENT_KEY_CHAR && event.keyboard.repeat;
    if (key == ALLEGRO_KEY_M && !repeated)
    {
        ToggleSound();
        return;
    }

    switch (m_state)
    {
    case PLAYING:
        // Ticks count in this state only: every other screen stops the clock. A
        // tick of the timer's run before the round started is not the round's,
        // and a late one stands for time in which the game could not run.
        if (event.type == ALLEGRO_EVENT_TIMER && event.any.timestamp >= m_roundStartTime)
        {
            // A tick kept waiting by fullscreen switches is not late for it:
            // the timer stood still while they ran.
            const double handledAt = al_get_time() - m_switchingSeconds;
            m_switchingSeconds = 0.0;
            if (!RoundRules::TickIsLate(event.timer.error, event.any.timestamp, handledAt))
            {
                Tick();
            }
        }
        else if (key == ALLEGRO_KEY_LEFT || key == ALLEGRO_KEY_RIGHT)
        {
            MoveCook(key);
        }
        else if ((key == ALLEGRO_KEY_P || key == ALLEGRO_KEY_ESCAPE) && !repeated)
        {
            m_state = PAUSED;
        }
        break;
    case PAUSED:
        if (key == ALLEGRO_KEY_P && !repeated)
        {
            m_state = PLAYING;
            SetActorVisible(SceneActor::PAUSE, false);
        }
        break;
    case SHOW_RECIPE:
        if (key == ALLEGRO_KEY_ENTER)
        {
            StartRound();
        }
        break;
    case CHOOSE_DIFFICULTY:
        // The digits of the main row only: the keypad's have codes of their own.
        if (key == ALLEGRO_KEY_1 || key == ALLEGRO_KEY_2 || key == ALLEGRO_KEY_3)
        {
            ChooseDifficulty(key - ALLEGRO_KEY_1);
        }
        break;
    case INSTRUCTIONS:
        if (key == ALLEGRO_KEY_ESCAPE)
        {
            SetActorVisible(SceneActor::INSTRUCTION, false);
            m_state = TITLE_MENU;
        }
        break;
    case ROUND_OVER:
        if (key == ALLEGRO_KEY_ENTER)
        {
            StartNewGame();
        }
        else if (key == ALLEGRO_KEY_ESCAPE)
        {
            m_state = QUIT;
        }
        break;
    default:
        break;
    }
}

void Game::ChooseDifficulty(int difficulty)
{
    SetActorVisible(SceneActor::DIFFICULTY, false);
    m_difficulty = difficulty;
    ChooseRecipe();
    m_state = SHOW_RECIPE;
}

void Game::StartRound()
{
    SetActorVisible(SceneActor::RECIPE, false);
    m_state = PLAYING;
    // The timer starts its run anew, so that the first digit of the count shows
    // for a whole second like the others.
    al_stop_timer(m_timer);
    al_start_timer(m_timer);
    m_roundStartTime = al_get_time();
    m_switchingSeconds = 0.0;
}

void Game::MoveCook(int keycode)
{
    std::shared_ptr<Actor> cook = m_actorManager.GetActor(SceneActor::COOK);
    auto* transform = cook->GetComponent<TransformableComponent>();
    auto* drawable = cook->GetComponent<DrawableComponent>();
    const RoundRules::CookStep step =
        RoundRules::StepCook(transform->GetX(), drawable->GetWidth(), keycode == ALLEGRO_KEY_RIGHT);
    if (step.moved)
    {
        step.toRight ? drawable->ShowSecond() : drawable->ShowFirst();
        transform->SetX(step.x);
    }
}

void Game::ToggleSound()
{
    m_soundOn = !m_soundOn;
    Platform::PlayMusic(m_music, m_soundOn);
    auto* drawable = m_actorManager.GetActor(SceneActor::SOUND)->GetComponent<DrawableComponent>();
    m_soundOn ? drawable->ShowFirst() : drawable->ShowSecond();
    Platform::RememberMusic(m_soundOn);
}

void Game::ToggleFullscreen()
{
    // The switch can hold the loop for up to a second. The round's timer waits
    // meanwhile and then goes on where it stood, so a switch neither costs the
    // player round time nor gives any.
    al_stop_timer(m_timer);
    const double start = al_get_time();
    const bool fullscreen = Platform::SetFullscreen(m_display, !m_fullscreen);
    m_switchingSeconds += al_get_time() - start;
    al_resume_timer(m_timer);
    FollowFullscreen(fullscreen);
}

void Game::FollowFullscreen(bool fullscreen)
{
    if (fullscreen != m_fullscreen)
    {
        m_fullscreen = fullscreen;
        Platform::RememberFullscreen(m_fullscreen);
    }
}

void Game::RunTitleMenu()
{
    m_titleMenu.ShowSound(m_soundOn);
    switch (m_titleMenu.Show(m_eventQueue))
    {
    case MENU_QUIT:
        m_state = QUIT;
        break;
    case MENU_PLAY:
        m_state = CHOOSE_DIFFICULTY;
        break;
    case MENU_INSTRUCTIONS:
        m_state = INSTRUCTIONS;
        break;
    case MENU_TOGGLE_SOUND:
        ToggleSound();
        break;
    case MENU_TOGGLE_FULLSCREEN:
        ToggleFullscreen();
        break;
    case MENU_WINDOW_RESIZED:
        FollowFullscreen(Platform::IsFullscreen(m_display));
        break;
    default:
        break;
    }
}
