#include "Game.h"

#include "content/SceneActors.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace
{
// The last round's pictures were just freed: give those pages back to the
// system, or the heap keeps a little more of them round after round.
void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
}

void Game::StartNewGame()
{
    m_state = CHOOSE_DIFFICULTY;
    SetActorVisible(SceneActor::GAME_OVER, false);
    ClearGameScene();
    ReturnFreedMemory();
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
