#pragma once

#include "componentsystem/Actor.h"
#include "componentsystem/ActorId.h"

#include <map>
#include <memory>
#include <string>

// The registry of one scene: creates actors with ids 1, 2, 3, ... in creation
// order and shares them with whoever asks. Game code addresses the scene actors
// by those literal ids, so the order of creation is part of the contract.
class ActorManager
{
public:
    static constexpr ActorId NULL_ACTOR_ID = 0;

    // Creates and registers an actor with the next id; the caller shares it.
    std::shared_ptr<Actor> CreateActor(const std::string& name);
    // The same, handing back only the new id.
    ActorId CreateActorID(const std::string& name);
    // The registered actor with that id, or an empty pointer.
    std::shared_ptr<Actor> GetActor(ActorId id) const;
    // Drops the registry's reference; ids are not reused until Clear.
    void RemoveActor(ActorId id);
    // Drops every actor (lowest id first) and restarts the ids at 1.
    void Clear();

private:
    std::map<ActorId, std::shared_ptr<Actor>> m_actors;
    ActorId m_lastActorID = NULL_ACTOR_ID;
};
