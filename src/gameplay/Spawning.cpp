#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/PontuationComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "gameplay/RoundRules.h"

#include <cstdlib>

void Game::SpawnIngredient(const std::string& name, const bool& inRecipe)
{
    IngredientRecord record;
    if (!FindIngredient(name, record))
    {
        return; // not an ingredient of the catalogue: nothing to build
    }
    const int id = CreateIngredientActor(record);
    // The column depends on the picture's width, known once it is loaded.
    PlaceInRandomColumn(m_actorManager.GetActor(static_cast<ActorId>(id)));
    m_spawnedIngredients.Insert(id);
    if (inRecipe)
    {
        m_recipeIngredients.Insert(id);
    }
}

int Game::CreateIngredientActor(const IngredientRecord& record)
{
    std::shared_ptr<Actor> actor = BuildActor(record);
    m_drawingSystem.Add(actor);
    return static_cast<int>(actor->GetID());
}

std::shared_ptr<Actor> Game::BuildActor(const IngredientRecord& record)
{
    std::shared_ptr<Actor> actor = m_actorManager.CreateActor(record.name);

    auto* transform = new TransformableComponent();
    transform->SetPosition(static_cast<float>(record.x), static_cast<float>(record.y));
    transform->SetVisible(record.visible);
    auto* drawable = new DrawableComponent();
    drawable->Load(record.spritePath);
    auto* pontuation = new PontuationComponent();
    pontuation->SetPoints(record.points);
    auto* speed = new SpeedComponent();
    speed->SetSpeed(record.speed);

    actor->AddComponent(transform);
    actor->AddComponent(drawable);
    actor->AddComponent(pontuation);
    actor->AddComponent(speed);
    return actor;
}

void Game::PlaceInRandomColumn(const std::shared_ptr<Actor>& ingredient)
{
    const int width = ingredient->GetComponent<DrawableComponent>()->GetWidth();
    const int column = RoundRules::SpawnColumn(std::rand(), width);
    ingredient->GetComponent<TransformableComponent>()->SetX(static_cast<float>(column));
}

void Game::ReleaseNextIngredient()
{
    if (m_nextRelease > m_spawnedIngredients.Size())
    {
        return;
    }
    int id = 0;
    bool found = false;
    m_spawnedIngredients.Get(id, m_nextRelease, found);
    if (found)
    {
        m_actorManager.GetActor(id)->GetComponent<TransformableComponent>()->SetVisible(true);
    }
    ++m_nextRelease;
}

void Game::ReleaseWaitingIngredient()
{
    int visible = 0;
    for (int position = 1; position <= m_spawnedIngredients.Size(); ++position)
    {
        int id = 0;
        bool found = false;
        m_spawnedIngredients.Get(id, position, found);
        if (found && m_actorManager.GetActor(id)->GetComponent<TransformableComponent>()->IsVisible())
        {
            ++visible;
        }
    }
    std::shared_ptr<Actor> waiting;
    bool found = false;
    if (visible < RoundRules::MOST_FALLING)
    {
        m_waitingIngredients.First(waiting, found);
    }
    if (found)
    {
        waiting->GetComponent<TransformableComponent>()->SetVisible(true);
        m_waitingIngredients.RemoveFirst();
    }
}
