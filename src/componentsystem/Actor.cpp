#include "componentsystem/Actor.h"

Actor::Actor(ActorId id, const std::string& name)
    : m_name(name)
    , m_id(id)
{
}

Actor::~Actor()
{
    for (auto& entry : m_components)
    {
        delete entry.second;
    }
}

ActorId Actor::GetID() const
{
    return m_id;
}

const std::string& Actor::GetName() const
{
    return m_name;
}

void Actor::AddComponent(Component* component)
{
    if (component == nullptr)
    {
        return;
    }
    const bool inserted = m_components.insert({component->GetName(), component}).second;
    if (!inserted)
    {
        delete component;
    }
}

Component* Actor::GetComponent(const std::string& name) const
{
    const auto found = m_components.find(name);
    return found == m_components.end() ? nullptr : found->second;
}
