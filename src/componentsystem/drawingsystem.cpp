#include "componentsystem/drawingsystem.h"

#include "componentsystem/Diagnostics.h"
#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"

#include <allegro5/allegro.h>

// Like FORNALINA_ASSERT, but a failure skips the actor instead of ending the game.
#define SKIP_ACTOR_UNLESS(condition, actor)                                                                            \
    if (!(condition))                                                                                                  \
    {                                                                                                                  \
        if (m_reported.insert((actor).get()).second)                                                                   \
        {                                                                                                              \
            ReportSkippedActor(#condition, __FILE__, __LINE__, (actor)->GetName());                                    \
        }                                                                                                              \
        return;                                                                                                        \
    }

void DrawingSystem::Add(std::shared_ptr<Actor> actor)
{
    if (actor != nullptr)
    {
        m_actors.insert({static_cast<int>(actor->GetID()), actor});
    }
}

void DrawingSystem::Remove(int id)
{
    const auto found = m_actors.find(id);
    if (found != m_actors.end())
    {
        m_reported.erase(found->second.get());
        found->second.reset();
        m_actors.erase(found);
    }
}

void DrawingSystem::Clear()
{
    while (!m_actors.empty())
    {
        Remove(static_cast<int>(m_actors.begin()->second->GetID()));
    }
}

void DrawingSystem::Draw(int id)
{
    const auto found = m_actors.find(id);
    if (found != m_actors.end())
    {
        DrawOne(found->second);
    }
}

void DrawingSystem::DrawAll()
{
    for (const auto& entry : m_actors)
    {
        DrawOne(entry.second);
    }
}

void DrawingSystem::DrawFrom(int id)
{
    for (auto entry = m_actors.find(id); entry != m_actors.end(); ++entry)
    {
        DrawOne(entry->second);
    }
}

void DrawingSystem::DrawOne(const std::shared_ptr<Actor>& actor)
{
    const DrawableComponent* renderDataPointer = actor->GetComponent<DrawableComponent>();
    const TransformableComponent* transform = actor->GetComponent<TransformableComponent>();

    SKIP_ACTOR_UNLESS(renderDataPointer != nullptr, actor);
    SKIP_ACTOR_UNLESS(renderDataPointer->IsLoaded(), actor);

    if (transform != nullptr && transform->IsVisible() == true && renderDataPointer->GetBitmap() != nullptr)
    {
        al_draw_bitmap(renderDataPointer->GetBitmap(), transform->GetX(), transform->GetY(), 0);
    }
}
