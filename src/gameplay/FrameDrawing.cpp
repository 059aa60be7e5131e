#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "content/SceneActors.h"
#include "content/ScreenLayout.h"
#include "screen/WindowFit.h"

#include <allegro5/allegro_font.h>

#include <cstdio>

void Game::UpdateAndDraw()
{
    if (m_state != PLAYING || m_readyCount >= 0)
    {
        m_updateClock.Stop(); // the round is not running: its time stands still
    }
    if (ScreenWaitsForPlayer() && !FrameIsOwed())
    {
        return; // the screen shows what it showed
    }
    m_frameOwed = false;
    m_drawnState = m_state;
    switch (m_state)
    {
    case PAUSED:
        DrawPausedFrame();
        break;
    case TITLE_MENU:
        RunTitleMenu();
        break;
    case PLAYING:
        RepeatHeldDirection();
        if (m_readyCount >= 0)
        {
            DrawGetReadyFrame();
            break;
        }
        if (!RunRoundUpdates())
        {
            m_state = ROUND_OVER; // this frame is not shown
            break;
        }
        DrawRunningFrame();
        break;
    case ROUND_OVER:
        DrawRoundOverFrame();
        break;
    case SHOW_RECIPE:
        DrawPictureFrame(SceneActor::RECIPE);
        break;
    case CHOOSE_DIFFICULTY:
        DrawPictureFrame(SceneActor::DIFFICULTY);
        break;
    case INSTRUCTIONS:
        DrawPictureFrame(SceneActor::INSTRUCTION);
        break;
    default:
        break; // QUIT and the unused values draw nothing
    }
}

bool Game::RunRoundUpdates()
{
    // Movement is counted in steps of 1/60 s of real time, not in frames, so
    // that slow frames do not slow the round down.
    const int steps = m_updateClock.StepsOwed(m_clock());
    for (int step = 0; step < steps; ++step)
    {
        UpdateRound();
        if (RoundHasEnded())
        {
            return false;
        }
    }
    return !RoundHasEnded();
}

void Game::DrawPausedFrame()
{
    int firstIngredient = 0;
    bool found = false;
    m_spawnedIngredients.First(firstIngredient, found);
    SetActorVisible(SceneActor::PAUSE, true);

    BeginFrame(al_map_rgb(0, 0, 0));
    m_drawingSystem.Draw(SceneActor::BACKGROUND);
    m_drawingSystem.Draw(SceneActor::SOUND);
    m_drawingSystem.Draw(SceneActor::COOK);
    if (found)
    {
        m_drawingSystem.DrawFrom(firstIngredient);
    }
    DrawClock();
    m_drawingSystem.Draw(SceneActor::PAUSE);
    PresentFrame();
}

void Game::DrawGetReadyFrame()
{
    BeginFrame(al_map_rgb(0, 0, 0));
    m_drawingSystem.Draw(SceneActor::BACKGROUND);
    m_drawingSystem.Draw(SceneActor::COOK);
    m_drawingSystem.Draw(SceneActor::SOUND);
    al_draw_textf(m_bigFont, al_map_rgb(0, 0, 0), 400.0f, 250.0f, ALLEGRO_ALIGN_CENTRE, "%d", m_readyCount);
    PresentFrame();
}

void Game::DrawRunningFrame()
{
    // The kitchen covers the whole picture and has no transparent pixel: it
    // needs no clear under it and no blending, which would read every pixel
    // behind it (work that software renderers pay per pixel, every frame).
    const std::shared_ptr<Actor> kitchen = m_actorManager.GetActor(SceneActor::BACKGROUND);
    const DrawableComponent* picture = kitchen != nullptr ? kitchen->GetComponent<DrawableComponent>() : nullptr;
    if (picture != nullptr && picture->IsLoaded() && picture->GetWidth() >= ScreenLayout::PICTURE_WIDTH &&
        picture->GetHeight() >= ScreenLayout::PICTURE_HEIGHT)
    {
        FitPictureToWindow();
        int operation, source, destination;
        al_get_blender(&operation, &source, &destination);
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        m_drawingSystem.Draw(SceneActor::BACKGROUND);
        al_set_blender(operation, source, destination);
        m_drawingSystem.DrawFrom(SceneActor::COOK);
    }
    else
    {
        BeginFrame(al_map_rgb(255, 255, 255));
        m_drawingSystem.DrawAll();
    }
    DrawClock();
    PresentFrame();
}

void Game::DrawRoundOverFrame()
{
    SetActorVisible(SceneActor::GAME_OVER, true);
    BeginFrame(al_map_rgb(0, 0, 0));
    m_drawingSystem.Draw(SceneActor::BACKGROUND);
    m_drawingSystem.Draw(SceneActor::GAME_OVER);
    const std::vector<RoundRules::AccountEntry> account = RoundAccount();
    const char* result = RoundRules::IsWon(account) ? "Ganhou!" : "Perdeu!";
    al_draw_textf(m_font, al_map_rgb(255, 255, 255), 400.0f, 300.0f, ALLEGRO_ALIGN_CENTRE, "%s", result);
    DrawRoundAccount(account);
    PresentFrame();
}

void Game::DrawPictureFrame(ActorId picture)
{
    SetActorVisible(picture, true);
    BeginFrame(al_map_rgb(0, 0, 0));
    m_drawingSystem.Draw(picture);
    m_drawingSystem.Draw(SceneActor::SOUND);
    PresentFrame();
}

void Game::DrawClock()
{
    char minutes[10];
    char seconds[3];
    std::snprintf(minutes, sizeof minutes, "%2d", m_minutes);
    std::snprintf(seconds, sizeof seconds, "%02d", m_seconds);
    al_draw_textf(m_font, al_map_rgb(0, 0, 0), 710.0f, 10.0f, ALLEGRO_ALIGN_RIGHT, "%s:%s", minutes, seconds);
}

void Game::PresentFrame()
{
    al_flip_display();
    m_framePacer.WaitForNextFrame();
}
