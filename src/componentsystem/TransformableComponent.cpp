#include "componentsystem/TransformableComponent.h"

std::string TransformableComponent::GetName() const
{
    return NAME;
}

const float& TransformableComponent::GetX() const
{
    return m_x;
}

const float& TransformableComponent::GetY() const
{
    return m_y;
}

void TransformableComponent::SetX(const float& x)
{
    m_x = x;
}

void TransformableComponent::SetY(const float& y)
{
    m_y = y;
}

void TransformableComponent::SetPosition(const float& x, const float& y)
{
    m_x = x;
    m_y = y;
}

float TransformableComponent::GetExtra() const
{
    return m_extra;
}

void TransformableComponent::SetExtra(float extra)
{
    m_extra = extra;
}

const bool& TransformableComponent::IsVisible() const
{
    return m_visible;
}

void TransformableComponent::SetVisible(const bool& visible)
{
    m_visible = visible;
}
