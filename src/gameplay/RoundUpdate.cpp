#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"
#include "content/ScreenLayout.h"
#include "gameplay/RoundRules.h"

#include <allegro5/allegro_audio.h>

void Game::UpdateRound()
{
    std::shared_ptr<Actor> cook = m_actorManager.GetActor(SceneActor::COOK);

    // Catches and recycling change visibility and positions only, never the
    // list itself, so the positions stay valid through the walk.
    for (int n = 1; n <= m_spawnedIngredients.Size(); ++n)
    {
        int id = 0;
        bool found = false;
        m_spawnedIngredients.Get(id, n, found);
        std::shared_ptr<Actor> ingredient = m_actorManager.GetActor(id);
        if (!found || ingredient == nullptr)
        {
            continue;
        }
        auto* transform = ingredient->GetComponent<TransformableComponent>();
        const bool falling = transform->IsVisible();
        if (!falling && !(transform->GetY() > 0.0f))
        {
            continue; // parked: waits for a release
        }
        if (falling && Collides(cook, ingredient))
        {
            CatchIngredient(ingredient, id);
        }
        transform->SetY(ingredient->GetComponent<SpeedComponent>()->GetSpeed() + transform->GetY());
        if (transform->GetY() > ScreenLayout::PICTURE_HEIGHT)
        {
            RecycleIngredient(ingredient);
        }
    }
    ReleaseWaitingIngredient();
}

void Game::CatchIngredient(const std::shared_ptr<Actor>& ingredient, int id)
{
    al_play_sample(m_catchSound, 1.0f, 0.0f, 1.0f, ALLEGRO_PLAYMODE_ONCE, nullptr);
    m_caughtIngredients.Insert(id);
    ingredient->GetComponent<TransformableComponent>()->SetVisible(false);

    // A catch past the last icon place ends the round in this very frame, and
    // the result screen shows no icons: it gets none.
    const RoundRules::IconSlot slot = RoundRules::IconSlotOfCatch(m_caughtIngredients.Size());
    IngredientRecord icon;
    if (!slot.exists || !FindIngredient(ingredient->GetName(), icon))
    {
        return;
    }
    icon.x = slot.x;
    icon.y = slot.y;
    icon.visible = true;
    icon.points = 0;
    icon.speed = 0.0f;
    m_drawingSystem.Add(BuildActor(icon));
}

void Game::RecycleIngredient(const std::shared_ptr<Actor>& ingredient)
{
    auto* transform = ingredient->GetComponent<TransformableComponent>();
    transform->SetY(0.0f);
    PlaceInRandomColumn(ingredient);
    transform->SetVisible(false);
    m_waitingIngredients.Insert(ingredient);
}

bool Game::Collides(std::shared_ptr<Actor> a, std::shared_ptr<Actor> b) const
{
    auto rectangleOf = [](const Actor& actor) {
        const auto* transform = actor.GetComponent<TransformableComponent>();
        const auto* drawable = actor.GetComponent<DrawableComponent>();
        // A sprite that did not load measures 0 × 0: its empty rectangle overlaps
        // nothing, so such an ingredient can never be caught.
        return RoundRules::PictureRectangle(transform->GetX(), transform->GetY(), drawable->GetWidth(),
                                            drawable->GetHeight());
    };
    return RoundRules::Overlap(rectangleOf(*a), rectangleOf(*b));
}
