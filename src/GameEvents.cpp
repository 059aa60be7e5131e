#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"

#include <allegro5/allegro_audio.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void Game::HandleEvent(const ALLEGRO_EVENT& event)
{
    if (event.type == ALLEGRO_EVENT_DISPLAY_RESIZE && event.display.source == m_display)
    {
        // Every screen but the title menu is redrawn each frame at the new size.
        al_acknowledge_resize(m_display);
        return;
    }
    switch (m_state)
    {
    case PAUSED:
    case PLAYING:
    case ROUND_OVER:
    case SHOW_RECIPE:
    case CHOOSE_DIFFICULTY:
    case INSTRUCTIONS:
        if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE)
        {
            m_state = QUIT;
            return;
        }
        break;
    default:
        // The title menu reads its own events; the other states ignore them all.
        return;
    }

    switch (m_state)
    {
    case PLAYING:
        HandlePlayingEvent(event);
        break;
    case PAUSED:
        HandlePausedEvent(event);
        break;
    case SHOW_RECIPE:
        HandleRecipeEvent(event);
        break;
    case CHOOSE_DIFFICULTY:
        HandleDifficultyEvent(event);
        break;
    case INSTRUCTIONS:
        HandleInstructionsEvent(event);
        break;
    case ROUND_OVER:
        HandleRoundOverEvent(event);
        break;
    default:
        break;
    }
}

void Game::HandlePlayingEvent(const ALLEGRO_EVENT& event)
{
    if (event.type == ALLEGRO_EVENT_TIMER)
    {
        Tick();
        return;
    }
    if (event.type != ALLEGRO_EVENT_KEY_CHAR)
    {
        return;
    }
    switch (event.keyboard.keycode)
    {
    case ALLEGRO_KEY_LEFT:
    case ALLEGRO_KEY_RIGHT:
        MoveCook(event.keyboard.keycode);
        break;
    case ALLEGRO_KEY_P:
        m_state = PAUSED;
        break;
    case ALLEGRO_KEY_M:
        ToggleSound();
        break;
    default:
        break;
    }
}

void Game::HandlePausedEvent(const ALLEGRO_EVENT& event)
{
    if (event.type != ALLEGRO_EVENT_KEY_CHAR)
    {
        return;
    }
    if (event.keyboard.keycode == ALLEGRO_KEY_P)
    {
        m_state = PLAYING;
        SetActorVisible(SceneActor::PAUSE, false);
    }
    else if (event.keyboard.keycode == ALLEGRO_KEY_M)
    {
        ToggleSound();
    }
}

void Game::HandleRecipeEvent(const ALLEGRO_EVENT& event)
{
    if (event.type != ALLEGRO_EVENT_KEY_CHAR)
    {
        return;
    }
    if (event.keyboard.keycode == ALLEGRO_KEY_ENTER)
    {
        SetActorVisible(SceneActor::RECIPE, false);
        m_state = PLAYING;
    }
    else if (event.keyboard.keycode == ALLEGRO_KEY_M)
    {
        ToggleSound();
    }
}

void Game::HandleDifficultyEvent(const ALLEGRO_EVENT& event)
{
    if (event.type != ALLEGRO_EVENT_KEY_CHAR)
    {
        return;
    }
    // The digits of the main row only: the keypad has key codes of its own.
    switch (event.keyboard.keycode)
    {
    case ALLEGRO_KEY_1:
        ChooseDifficulty(0);
        break;
    case ALLEGRO_KEY_2:
        ChooseDifficulty(1);
        break;
    case ALLEGRO_KEY_3:
        ChooseDifficulty(2);
        break;
    case ALLEGRO_KEY_M:
        ToggleSound();
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

void Game::HandleInstructionsEvent(const ALLEGRO_EVENT& event)
{
    if (event.type != ALLEGRO_EVENT_KEY_CHAR)
    {
        return;
    }
    if (event.keyboard.keycode == ALLEGRO_KEY_ESCAPE)
    {
        SetActorVisible(SceneActor::INSTRUCTION, false);
        m_state = TITLE_MENU;
    }
    else if (event.keyboard.keycode == ALLEGRO_KEY_M)
    {
        ToggleSound();
    }
}

void Game::HandleRoundOverEvent(const ALLEGRO_EVENT& event)
{
    // Key-down, not character events: a key held from the round must not
    // repeat its way through the result screen.
    if (event.type != ALLEGRO_EVENT_KEY_DOWN)
    {
        return;
    }
    switch (event.keyboard.keycode)
    {
    case ALLEGRO_KEY_ENTER:
        StartNewGame();
        break;
    case ALLEGRO_KEY_ESCAPE:
        m_state = QUIT;
        break;
    case ALLEGRO_KEY_M:
        ToggleSound();
        break;
    default:
        break;
    }
}

void Game::MoveCook(int keycode)
{
    std::shared_ptr<Actor> cook = m_actorManager.GetActor(SceneActor::COOK);
    auto* place = cook->GetComponent<TransformableComponent>();
    auto* look = cook->GetComponent<DrawableComponent>();
    const float x = place->GetX();
    const int wholeX = static_cast<int>(x);

    if (keycode == ALLEGRO_KEY_LEFT && x - 10.0 > 0.0)
    {
        look->ShowFirst();
        place->SetX(static_cast<float>(wholeX - 10));
    }
    else if (keycode == ALLEGRO_KEY_RIGHT && look->GetWidth() + x + 10.0 < 800.0)
    {
        look->ShowSecond();
        place->SetX(static_cast<float>(wholeX + 10));
    }
}

void Game::ToggleSound()
{
    m_soundOn = !m_soundOn;
    al_set_audio_stream_playing(m_music, m_soundOn);
    auto* icon = m_actorManager.GetActor(SceneActor::SOUND)->GetComponent<DrawableComponent>();
    m_soundOn ? icon->ShowFirst() : icon->ShowSecond();
}

void Game::StartNewGame()
{
    m_state = CHOOSE_DIFFICULTY;
    SetActorVisible(SceneActor::GAME_OVER, false);
    m_drawingSystem.Clear();
    m_actorManager.Clear();
    m_ingredientCatalogue.Clear();
    m_spawnedIngredients.Clear();
    m_caughtIngredients.Clear();
    m_recipeIngredients.Clear();
    m_waitingIngredients.Clear();
#if defined(__GLIBC__)
    // The last round's pictures were just freed: give those pages back to the
    // system, or the heap keeps a little more of them round after round.
    malloc_trim(0);
#endif
    CreateSceneActors();
}

void Game::RunTitleMenu()
{
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
    default:
        break;
    }
}
