#include "support/DrawnActor.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"

std::shared_ptr<Actor> MakeDrawnActor(ActorManager& manager, const std::string& picture, float x, float y, bool visible)
{
    auto actor = manager.CreateActor(picture);
    auto* drawable = new DrawableComponent();
    drawable->Load(picture);
    auto* transform = new TransformableComponent();
    transform->SetPosition(x, y);
    transform->SetVisible(visible);
    actor->AddComponent(drawable);
    actor->AddComponent(transform);
    return actor;
}
