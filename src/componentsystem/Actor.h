#pragma once

#include "componentsystem/ActorId.h"
#include "componentsystem/Component.h"

#include <map>
#include <string>

// A named entity carrying at most one component of each kind. Always held by
// std::shared_ptr; created only by ActorManager. Owns its components.
class Actor
{
public:
    Actor(ActorId id, const std::string& name);
    ~Actor();

    Actor(const Actor&) = delete;
    Actor& operator=(const Actor&) = delete;

    ActorId GetID() const;
    const std::string& GetName() const;

    // Takes ownership of a component made with new. A component of a kind the
    // actor already has is rejected: the first one stays and the new one is deleted.
    void AddComponent(Component* component);

    // The component filed under name, or nullptr. The actor keeps ownership.
    Component* GetComponent(const std::string& name) const;

    // The component under name as a T, or nullptr when absent or of another kind.
    template <typename T>
    T* GetComponent(const std::string& name) const
    {
        return dynamic_cast<T*>(GetComponent(name));
    }

    // The same, under T's own NAME; the key is built once, not on every call.
    template <typename T>
    T* GetComponent() const
    {
        static const std::string key(T::NAME);
        return GetComponent<T>(key);
    }

private:
    std::string m_name;
    std::map<std::string, Component*> m_components;
    ActorId m_id;
};
