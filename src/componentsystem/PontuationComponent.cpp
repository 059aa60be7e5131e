#include "componentsystem/PontuationComponent.h"

std::string PontuationComponent::GetName() const
{
    return NAME;
}

int PontuationComponent::GetPoints() const
{
    return m_points;
}

void PontuationComponent::SetPoints(int points)
{
    m_points = points;
}
