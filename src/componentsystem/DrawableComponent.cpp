#include "componentsystem/DrawableComponent.h"

std::string DrawableComponent::GetName() const
{
    return NAME;
}

void DrawableComponent::Load(const std::string& path)
{
    m_first = PictureStore::Shared().Load(path);
    m_shown = m_first != nullptr ? Shown::FIRST : Shown::NOTHING;
}

void DrawableComponent::LoadSecond(const std::string& path)
{
    m_second = PictureStore::Shared().Load(path);
    if (m_shown == Shown::SECOND && m_second == nullptr)
    {
        // The shown image was just let go: fall back to the first.
        m_shown = m_first != nullptr ? Shown::FIRST : Shown::NOTHING;
    }
}

void DrawableComponent::ShowFirst()
{
    if (m_first != nullptr)
    {
        m_shown = Shown::FIRST;
    }
}

void DrawableComponent::ShowSecond()
{
    if (m_second != nullptr)
    {
        m_shown = Shown::SECOND;
    }
}

bool DrawableComponent::IsLoaded() const
{
    return m_first != nullptr;
}

ALLEGRO_BITMAP* DrawableComponent::GetBitmap() const
{
    switch (m_shown)
    {
    case Shown::FIRST:
        return m_first.get();
    case Shown::SECOND:
        return m_second.get();
    default:
        return nullptr;
    }
}

int DrawableComponent::GetWidth() const
{
    ALLEGRO_BITMAP* shown = GetBitmap();
    return shown != nullptr ? al_get_bitmap_width(shown) : 0;
}

int DrawableComponent::GetHeight() const
{
    ALLEGRO_BITMAP* shown = GetBitmap();
    return shown != nullptr ? al_get_bitmap_height(shown) : 0;
}
