#pragma once

#include "componentsystem/Component.h"

#include <cstdint>

// The point value an actor carries.
class PontuationComponent : public Component
{
public:
    static constexpr const char* NAME = "PontuationComponent";

    ~PontuationComponent() override = default;
    std::string GetName() const override;

    int GetPoints() const;
    void SetPoints(int points);

private:
    std::int32_t m_points = 0;
};
