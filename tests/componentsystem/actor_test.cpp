#include "componentsystem/Actor.h"
#include "componentsystem/DrawableComponent.h"
#include "componentsystem/PontuationComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace
{
// Counts its destructions by name, to check ownership.
class CountedComponent : public Component
{
public:
    CountedComponent(std::string name, std::map<std::string, int>& destroyed)
        : m_name(std::move(name))
        , m_destroyed(destroyed)
    {
    }
    ~CountedComponent() override
    {
        ++m_destroyed[m_name];
    }
    std::string GetName() const override
    {
        return m_name;
    }

private:
    std::string m_name;
    std::map<std::string, int>& m_destroyed;
};
}

TEST(Actor, TypedLookUpFindsOnlyTheRightKindUnderTheRightKey)
{
    Actor actor(1, "Cook");
    EXPECT_EQ(actor.GetComponent("TransformableComponent"), nullptr);
    EXPECT_EQ(actor.GetComponent<TransformableComponent>(), nullptr);

    auto* transform = new TransformableComponent();
    actor.AddComponent(transform);
    auto* speed = new SpeedComponent();
    actor.AddComponent(speed);

    EXPECT_EQ(actor.GetComponent<TransformableComponent>(TransformableComponent::NAME), transform);
    EXPECT_EQ(actor.GetComponent<TransformableComponent>(), transform);
    EXPECT_EQ(actor.GetComponent<SpeedComponent>(), speed);
    // A component of another kind under the asked key is not handed out as this kind.
    EXPECT_EQ(actor.GetComponent<SpeedComponent>(TransformableComponent::NAME), nullptr);
    EXPECT_EQ(actor.GetComponent<TransformableComponent>(SpeedComponent::NAME), nullptr);
    EXPECT_EQ(actor.GetComponent<PontuationComponent>(), nullptr);
    EXPECT_EQ(actor.GetComponent<DrawableComponent>(), nullptr);
}

TEST(Actor, ASecondComponentOfAKindIsRejectedAndDeleted)
{
    std::map<std::string, int> destroyed;
    {
        Actor actor(1, "Cook");
        auto* first = new CountedComponent("Kind", destroyed);
        actor.AddComponent(first);
        actor.AddComponent(new CountedComponent("Kind", destroyed));

        EXPECT_EQ(destroyed["Kind"], 1) << "the rejected component must not leak";
        EXPECT_EQ(actor.GetComponent("Kind"), first);
    }
    EXPECT_EQ(destroyed["Kind"], 2);

    Actor actor(2, "Cook");
    auto* kept = new TransformableComponent();
    kept->SetX(5.0f);
    auto* rejected = new TransformableComponent();
    rejected->SetX(9.0f);
    actor.AddComponent(kept);
    actor.AddComponent(rejected);
    EXPECT_EQ(actor.GetComponent<TransformableComponent>()->GetX(), 5.0f);
}

TEST(Actor, EachComponentIsDestroyedExactlyOnceWithTheLastReference)
{
    std::map<std::string, int> destroyed;
    auto actor = std::make_shared<Actor>(3, "Ovo");
    for (const char* kind : {"A", "B", "C", "D"})
    {
        actor->AddComponent(new CountedComponent(kind, destroyed));
    }
    std::shared_ptr<Actor> otherHolder = actor;
    actor.reset();
    EXPECT_TRUE(destroyed.empty());

    otherHolder.reset();
    EXPECT_EQ(destroyed, (std::map<std::string, int>{{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}}));
}

TEST(Actor, ComponentsStartAtZeroAndKeepWhatIsSet)
{
    PontuationComponent points;
    SpeedComponent speed;
    TransformableComponent transform;
    EXPECT_EQ(points.GetPoints(), 0);
    EXPECT_EQ(speed.GetSpeed(), 0.0f);
    EXPECT_EQ(transform.GetX(), 0.0f);
    EXPECT_EQ(transform.GetY(), 0.0f);

    points.SetPoints(-4);
    speed.SetSpeed(0.7f);
    transform.SetPosition(349.9f, 465.0f);
    transform.SetExtra(2.5f);
    transform.SetVisible(true);
    EXPECT_EQ(points.GetPoints(), -4);
    EXPECT_EQ(speed.GetSpeed(), 0.7f);
    EXPECT_EQ(transform.GetX(), 349.9f);
    EXPECT_EQ(transform.GetY(), 465.0f);
    EXPECT_EQ(transform.GetExtra(), 2.5f);
    EXPECT_TRUE(transform.IsVisible());

    EXPECT_EQ(points.GetName(), "PontuationComponent");
    EXPECT_EQ(speed.GetName(), "SpeedComponent");
    EXPECT_EQ(transform.GetName(), "TransformableComponent");
    EXPECT_EQ(DrawableComponent().GetName(), "DrawableComponent");
}
