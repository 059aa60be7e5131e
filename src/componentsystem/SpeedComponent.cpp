#include "componentsystem/SpeedComponent.h"

std::string SpeedComponent::GetName() const
{
    return NAME;
}

float SpeedComponent::GetSpeed() const
{
    return m_speed;
}

void SpeedComponent::SetSpeed(float speed)
{
    m_speed = speed;
}
