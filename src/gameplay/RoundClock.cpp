#include "Game.h"

void Game::Tick()
{
    if (m_readyCount >= 0)
    {
        --m_readyCount;
        return;
    }
    if (m_minutes == 1)
    {
        m_minutes = 0;
        m_seconds = 59;
    }
    else if (m_seconds > 0)
    {
        --m_seconds;
    }
    // At 0:00 the clock stays: two ticks in one pass must not start a second
    // minute. The end check of the next frame ends the round.
    ReleaseNextIngredient();
}

bool Game::RoundHasEnded() const
{
    return (m_minutes == 0 && m_seconds == 0) || m_caughtIngredients.Size() > 30;
}

bool Game::IsRoundWon() const
{
    if (m_recipeIngredients.Size() != m_caughtIngredients.Size())
    {
        return false;
    }
    // Match every catch against a still unmatched recipe entry of the same name:
    // the catches must equal the recipe as a multiset of names.
    LinkedList<int> pending;
    for (int position = 1; position <= m_recipeIngredients.Size(); ++position)
    {
        int id = 0;
        bool found = false;
        m_recipeIngredients.Get(id, position, found);
        pending.Insert(id);
    }
    int matches = 0;
    for (int caughtPosition = 1; caughtPosition <= m_caughtIngredients.Size(); ++caughtPosition)
    {
        int caughtId = 0;
        bool found = false;
        m_caughtIngredients.Get(caughtId, caughtPosition, found);
        const std::shared_ptr<Actor> caught = m_actorManager.GetActor(caughtId);
        for (int position = 1; position <= pending.Size(); ++position)
        {
            int pendingId = 0;
            pending.Get(pendingId, position, found);
            if (m_actorManager.GetActor(pendingId)->GetName() == caught->GetName())
            {
                ++matches;
                pending.Remove(position);
                break;
            }
        }
    }
    return matches == m_recipeIngredients.Size();
}
