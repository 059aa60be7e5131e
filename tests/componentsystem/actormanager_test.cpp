#include "componentsystem/actormanager.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ActorManager, HandsOutIdsInCreationOrderAndRestartsAfterClear)
{
    ActorManager manager;
    EXPECT_EQ(manager.CreateActor("Background")->GetID(), 1u);
    EXPECT_EQ(manager.CreateActor("Cook")->GetID(), 2u);
    EXPECT_EQ(manager.CreateActorID("Pause"), 3u);
    EXPECT_EQ(manager.GetActor(2)->GetName(), "Cook");
    EXPECT_EQ(manager.GetActor(3)->GetName(), "Pause");

    manager.Clear();
    EXPECT_EQ(manager.GetActor(1), nullptr);
    EXPECT_EQ(manager.GetActor(3), nullptr);
    EXPECT_EQ(manager.CreateActor("Background")->GetID(), 1u);

    ActorManager other;
    EXPECT_EQ(other.CreateActorID("Som"), 1u);
    EXPECT_EQ(other.GetActor(1)->GetName(), "Som");
}

TEST(ActorManager, UnknownIdsAreEmptyAndRemovedIdsAreNotReused)
{
    ActorManager manager;
    EXPECT_EQ(manager.GetActor(ActorManager::NULL_ACTOR_ID), nullptr);
    for (int i = 0; i < 5; ++i)
    {
        manager.CreateActor("Ovo");
    }
    EXPECT_EQ(manager.GetActor(ActorManager::NULL_ACTOR_ID), nullptr);
    EXPECT_EQ(manager.GetActor(6), nullptr);

    manager.RemoveActor(3);
    manager.RemoveActor(3);
    manager.RemoveActor(42);
    EXPECT_EQ(manager.GetActor(3), nullptr);
    for (ActorId id : {1u, 2u, 4u, 5u})
    {
        ASSERT_NE(manager.GetActor(id), nullptr) << id;
        EXPECT_EQ(manager.GetActor(id)->GetID(), id);
    }
    EXPECT_EQ(manager.CreateActor("Alho")->GetID(), 6u);
}

TEST(ActorManager, ActorsOutliveTheManagersReference)
{
    std::weak_ptr<Actor> watched;
    std::shared_ptr<Actor> kept;
    {
        ActorManager manager;
        kept = manager.CreateActor("Cook");
        watched = manager.CreateActor("Som");
        manager.RemoveActor(1);
        EXPECT_EQ(kept->GetName(), "Cook");
        EXPECT_FALSE(watched.expired()) << "the manager still holds Som";
        manager.Clear();
        EXPECT_TRUE(watched.expired()) << "nobody else held Som";
    }
    ASSERT_EQ(kept.use_count(), 1);
    EXPECT_EQ(kept->GetID(), 1u);

    std::weak_ptr<Actor> afterManager;
    {
        ActorManager manager;
        afterManager = manager.CreateActor("Ovo");
        EXPECT_FALSE(afterManager.expired());
    }
    EXPECT_TRUE(afterManager.expired()) << "the manager's destructor releases its actors";
}
