#include "componentsystem/drawingsystem.h"

#include "componentsystem/Diagnostics.h"
#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"

#include <cmath>

// Like FORNALINA_ASSERT, but a failure skips the actor instead of ending the game.
#define SKIP_ACTOR_UNLESS(condition, actor)                                                                            \
    if (!(condition))                                                                                                  \
    {                                                                                                                  \
        if (m_reported.insert((actor).get()).second)                                                                   \
        {                                                                                                              \
            ReportSkippedActor(#condition, __FILE__, __LINE__, (actor)->GetName());                                    \
        }                                                                                                              \
        return nullptr;                                                                                                \
    }

namespace
{
// The bitmap whose texture an image is drawn from: an atlas piece's sheet.
ALLEGRO_BITMAP* TextureOf(ALLEGRO_BITMAP* image)
{
    ALLEGRO_BITMAP* parent = image != nullptr ? al_get_parent_bitmap(image) : nullptr;
    return parent != nullptr ? parent : image;
}
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
    DrawRange(m_actors.begin(), m_actors.end());
}

void DrawingSystem::DrawFrom(int id)
{
    DrawRange(m_actors.find(id), m_actors.end());
}

int DrawingSystem::BatchesInLastPass() const
{
    return m_batches;
}

template <typename Iterator>
void DrawingSystem::DrawRange(Iterator first, Iterator last)
{
    // Held drawing keeps the id order: Allegro sends what it holds whenever the
    // texture changes. A hold the caller made is left in place.
    const bool heldBefore = al_is_bitmap_drawing_held();
    al_hold_bitmap_drawing(true);
    ALLEGRO_BITMAP* lastTexture = nullptr;
    m_batches = 0;
    for (; first != last; ++first)
    {
        ALLEGRO_BITMAP* drawn = DrawOne(first->second);
        ALLEGRO_BITMAP* texture = TextureOf(drawn);
        if (texture != nullptr && texture != lastTexture)
        {
            lastTexture = texture;
            ++m_batches;
        }
    }
    al_hold_bitmap_drawing(heldBefore);
}

ALLEGRO_BITMAP* DrawingSystem::DrawOne(const std::shared_ptr<Actor>& actor)
{
    const DrawableComponent* renderDataPointer = actor->GetComponent<DrawableComponent>();
    const TransformableComponent* transform = actor->GetComponent<TransformableComponent>();

    SKIP_ACTOR_UNLESS(renderDataPointer != nullptr, actor);
    SKIP_ACTOR_UNLESS(renderDataPointer->IsLoaded(), actor);

    if (transform != nullptr && transform->IsVisible() == true && renderDataPointer->GetBitmap() != nullptr)
    {
        // On whole pixels, chosen as the renderer chooses them: a picture half-way
        // between two pixels could otherwise land on either, held or not.
        const float x = std::ceil(transform->GetX() - 0.5f);
        const float y = std::ceil(transform->GetY() - 0.5f);
        al_draw_bitmap(renderDataPointer->GetBitmap(), x, y, 0);
        return renderDataPointer->GetBitmap();
    }
    return nullptr;
}
