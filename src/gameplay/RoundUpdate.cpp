#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"

#include <allegro5/allegro_audio.h>

#include <algorithm>
#include <cstdlib>

namespace
{
// Icons of the catches line up in two rows of 15 at the top left.
constexpr int ICONS_PER_ROW = 15;
constexpr int ICON_ROWS = 2;
constexpr int ICON_SPACING = 30;
}

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
        auto* place = ingredient->GetComponent<TransformableComponent>();
        const bool falling = place->IsVisible();
        if (!falling && !(place->GetY() > 0.0f))
        {
            continue; // parked: waits for a release
        }
        if (falling && Collides(cook, ingredient))
        {
            CatchIngredient(ingredient, id);
        }
        place->SetY(ingredient->GetComponent<SpeedComponent>()->GetSpeed() + place->GetY());
        if (place->GetY() > 600.0f)
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

    const int slot = m_caughtIngredients.Size() - 1;
    IngredientRecord icon;
    // A catch past the last slot ends the round in this very frame, and the
    // result screen shows no icons: it gets none.
    if (slot >= ICONS_PER_ROW * ICON_ROWS || !FindIngredient(ingredient->GetName(), icon))
    {
        return;
    }
    icon.x = 20 + ICON_SPACING * (slot % ICONS_PER_ROW);
    icon.y = 8 + ICON_SPACING * (slot / ICONS_PER_ROW);
    icon.visible = true;
    icon.points = 0;
    icon.speed = 0.0f;
    m_drawingSystem.Add(BuildActor(icon));
}

void Game::RecycleIngredient(const std::shared_ptr<Actor>& ingredient)
{
    auto* place = ingredient->GetComponent<TransformableComponent>();
    place->SetY(0.0f);
    PlaceInRandomColumn(ingredient);
    place->SetVisible(false);
    m_waitingIngredients.Insert(ingredient);
}

bool Game::Collides(std::shared_ptr<Actor> a, std::shared_ptr<Actor> b) const
{
    const auto* lookA = a->GetComponent<DrawableComponent>();
    const auto* lookB = b->GetComponent<DrawableComponent>();
    const auto* placeA = a->GetComponent<TransformableComponent>();
    const auto* placeB = b->GetComponent<TransformableComponent>();
    if (lookA == nullptr || lookB == nullptr || placeA == nullptr || placeB == nullptr)
    {
        return false;
    }
    // A sprite that did not load measures 0 × 0: its empty rectangle overlaps
    // nothing, so such an ingredient can never be caught.
    const int leftA = static_cast<int>(placeA->GetX());
    const int topA = static_cast<int>(placeA->GetY());
    const int leftB = static_cast<int>(placeB->GetX());
    const int topB = static_cast<int>(placeB->GetY());
    const int rightA = leftA + lookA->GetWidth();
    const int bottomA = topA + lookA->GetHeight();
    const int rightB = leftB + lookB->GetWidth();
    const int bottomB = topB + lookB->GetHeight();
    // Half-open rectangles: touching edges do not overlap.
    return std::max(leftA, leftB) < std::min(rightA, rightB) && std::max(topA, topB) < std::min(bottomA, bottomB);
}
