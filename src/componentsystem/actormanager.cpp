#include "componentsystem/actormanager.h"

#include "componentsystem/Diagnostics.h"

std::shared_ptr<Actor> ActorManager::CreateActor(const std::string& name)
{
    ++this->m_lastActorID;
    FORNALINA_ASSERT(this->m_lastActorID != ActorManager::NULL_ACTOR_ID);

    std::shared_ptr<Actor> pActor(new Actor(this->m_lastActorID, name));
    FORNALINA_ASSERT(pActor != nullptr);

    m_actors.insert({pActor->GetID(), pActor});
    return pActor;
}

ActorId ActorManager::CreateActorID(const std::string& name)
{
    return CreateActor(name)->GetID();
}

std::shared_ptr<Actor> ActorManager::GetActor(ActorId id) const
{
    const auto found = m_actors.find(id);
    return found == m_actors.end() ? std::shared_ptr<Actor>() : found->second;
}

void ActorManager::RemoveActor(ActorId id)
{
    const auto found = m_actors.find(id);
    if (found != m_actors.end())
    {
        found->second.reset();
        m_actors.erase(found);
    }
}

void ActorManager::Clear()
{
    while (!m_actors.empty())
    {
        RemoveActor(m_actors.begin()->second->GetID());
    }
    m_lastActorID = NULL_ACTOR_ID;
}
