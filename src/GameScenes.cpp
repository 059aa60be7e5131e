#include "Game.h"

#include "content/SceneActors.h"
#include "platform/Platform.h"

void Game::StartNewGame()
{
    m_state = CHOOSE_DIFFICULTY;
    SetActorVisible(SceneActor::GAME_OVER, false);
    ClearGameScene();
    // The last round's pictures were just freed: without this the heap keeps
    // a little more of them round after round.
    Platform::ReturnFreedMemory();
    CreateSceneActors();
}

void Game::ClearGameScene()
{
    m_drawingSystem.Clear();
    m_actorManager.Clear();
    m_ingredientCatalogue.Clear();
    m_ingredientPictures.Release();
    m_spawnedIngredients.Clear();
    m_caughtIngredients.Clear();
    m_recipeIngredients.Clear();
    m_waitingIngredients.Clear();
}

void Game::ReleaseScenes()
{
    m_titleMenu.Release();
    ClearGameScene();
}
