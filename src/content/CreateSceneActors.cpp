#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"

#include "platform/Platform.h"

void Game::CreateSceneActors()
{
    m_readyCount = 3;
    m_nextRelease = 1;
    // The player's music choice holds for the whole session, new games included.
    Platform::PlayMusic(m_music, m_soundOn);
    m_minutes = 1;
    m_seconds = 0;

    std::array<std::shared_ptr<Actor>, SceneActor::COUNT> actors;
    for (std::size_t i = 0; i < actors.size(); ++i)
    {
        const SceneActorPlan& plan = SceneActorPlans()[i];
        actors[i] = m_actorManager.CreateActor(plan.name);

        auto* drawable = new DrawableComponent();
        if (plan.firstImage != nullptr)
        {
            drawable->Load(plan.firstImage);
        }
        if (plan.secondImage != nullptr)
        {
            drawable->LoadSecond(plan.secondImage);
        }
        auto* transform = new TransformableComponent();
        transform->SetPosition(plan.x, plan.y);
        transform->SetVisible(plan.visible);

        actors[i]->AddComponent(drawable);
        actors[i]->AddComponent(transform);
    }
    if (!m_soundOn)
    {
        actors[SceneActor::SOUND - 1]->GetComponent<DrawableComponent>()->ShowSecond();
    }
    for (const auto& actor : actors)
    {
        m_drawingSystem.Add(actor);
    }
}

void Game::SetActorVisible(ActorId id, bool visible)
{
    std::shared_ptr<Actor> actor = m_actorManager.GetActor(id);
    if (actor != nullptr)
    {
        actor->GetComponent<TransformableComponent>()->SetVisible(visible);
    }
}
