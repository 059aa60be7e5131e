#include "Game.h"

#include "gameplay/RoundRules.h"

#include <string>
#include <vector>

void Game::Tick()
{
    if (m_readyCount >= 0)
    {
        --m_readyCount;
        return;
    }
    const RoundRules::Clock clock = RoundRules::ClockAfterTick({m_minutes, m_seconds});
    m_minutes = clock.minutes;
    m_seconds = clock.seconds;
    ReleaseNextIngredient();
}

bool Game::RoundHasEnded() const
{
    return RoundRules::RoundHasEnded({m_minutes, m_seconds}, m_caughtIngredients.Size());
}

std::vector<RoundRules::AccountEntry> Game::RoundAccount() const
{
    // Ids do not count, names do: an extra of a recipe ingredient's name, or one
    // actor caught twice, stands for that name.
    auto namesOf = [this](const LinkedList<int>& ids) {
        std::vector<std::string> names;
        for (int position = 1; position <= ids.Size(); ++position)
        {
            int id = 0;
            bool found = false;
            ids.Get(id, position, found);
            names.push_back(m_actorManager.GetActor(static_cast<ActorId>(id))->GetName());
        }
        return names;
    };
    return RoundRules::RoundAccount(namesOf(m_recipeIngredients), namesOf(m_caughtIngredients));
}

bool Game::IsRoundWon() const
{
    return RoundRules::IsWon(RoundAccount());
}
