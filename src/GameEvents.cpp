#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"
#include "gameplay/RoundRules.h"
#include "input/ControlEvent.h"
#include "input/InputRule.h"
#include "platform/Platform.h"
#include "screen/WindowEvents.h"

namespace
{
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
    if (m_state == TITLE_MENU)
    {
        // The menu is on the screen before its loop first waits (start-up
        // loads the game scene behind it): what the player did meanwhile
        // counts as if the menu had been waiting.
        FollowMenuChoice(m_titleMenu.ChoiceFor(event));
        return;
    }
    // Before the game starts and once it quits, every screen ignores them all.
    const bool screenTakesEvents = m_state != QUIT && m_state != NOT_STARTED && m_state != UNUSED_STATE;
    switch (AnswerWindowEvent(event, m_display, screenTakesEvents && ScreenWaitsForPlayer()))
    {
    case WindowNews::Resized:
        // Every screen but the title menu draws its next frame at the new size.
        FollowFullscreen(Platform::IsFullscreen(m_display));
        return;
    case WindowNews::Closed:
        if (screenTakesEvents)
        {
            m_state = QUIT;
        }
        return;
    case WindowNews::Uncovered:
    case WindowNews::Taken:
        return;
    case WindowNews::None:
        break;
    }
    if (!screenTakesEvents)
    {
        return;
    }
    switch (event.type)
    {
    case ALLEGRO_EVENT_TIMER:
        HandleRoundTick(event);
        break;
    case ALLEGRO_EVENT_DISPLAY_SWITCH_OUT:
        // The player looks at another window: the round waits, as P makes it.
        if (m_state == PLAYING)
        {
            m_state = PAUSED;
        }
        // A finger on a control no one sees any more walks no cook.
        m_heldDirection.Point(CONTROL_SOURCE, Direction::None, m_clock());
        break;
    case ALLEGRO_EVENT_JOYSTICK_AXIS:
        HandleStick(event);
        break;
    case CONTROL_EVENT:
        HandleControl(event);
        break;
    default:
        Act(ActionFor(m_state, InputOf(event)));
        break;
    }
}

void Game::HandleRoundTick(const ALLEGRO_EVENT& event)
{
    // Ticks count in this state only: every other screen stops the clock. A
    // tick of the timer's run before the round started is not the round's,
    // and a late one stands for time in which the game could not run.
    if (m_state != PLAYING || event.any.timestamp < m_roundStartTime)
    {
        return;
    }
    // A tick kept waiting by fullscreen switches is not late for it: the
    // timer stood still while they ran.
    const double handledAt = al_get_time() - m_switchingSeconds;
    m_switchingSeconds = 0.0;
    if (!RoundRules::TickIsLate(event.timer.error, event.any.timestamp, handledAt))
    {
        Tick();
    }
}

void Game::Act(Action action)
{
    switch (action)
    {
    case Action::Play:
        m_state = CHOOSE_DIFFICULTY;
        break;
    case Action::Instructions:
        m_state = INSTRUCTIONS;
        break;
    case Action::Quit:
        m_state = QUIT;
        break;
    case Action::Back:
        SetActorVisible(SceneActor::INSTRUCTION, false);
        m_state = TITLE_MENU;
        break;
    case Action::Easy:
        ChooseDifficulty(0);
        break;
    case Action::Medium:
        ChooseDifficulty(1);
        break;
    case Action::Hard:
        ChooseDifficulty(2);
        break;
    case Action::Start:
        StartRound();
        break;
    case Action::Left:
    case Action::Right:
        MoveCook(action == Action::Right);
        break;
    case Action::Pause:
        m_state = PAUSED;
        break;
    case Action::Resume:
        m_state = PLAYING;
        SetActorVisible(SceneActor::PAUSE, false);
        break;
    case Action::Again:
        StartNewGame();
        break;
    case Action::Music:
        ToggleSound();
        break;
    case Action::Fullscreen:
        ToggleFullscreen();
        break;
    case Action::None:
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

void Game::MoveCook(bool toRight)
{
    std::shared_ptr<Actor> cook = m_actorManager.GetActor(SceneActor::COOK);
    auto* transform = cook->GetComponent<TransformableComponent>();
    auto* drawable = cook->GetComponent<DrawableComponent>();
    const RoundRules::CookStep step = RoundRules::StepCook(transform->GetX(), drawable->GetWidth(), toRight);
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
    FollowMenuChoice(m_titleMenu.Show(m_eventQueue));
}

void Game::FollowMenuChoice(int choice)
{
    switch (choice)
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
