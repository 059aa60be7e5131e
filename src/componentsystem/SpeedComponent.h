#pragma once

#include "componentsystem/Component.h"

// How far an actor moves per update step of the round (1/60 s), in pixels.
class SpeedComponent : public Component
{
public:
    static constexpr const char* NAME = "SpeedComponent";

    ~SpeedComponent() override = default;
    std::string GetName() const override;

    float GetSpeed() const;
    void SetSpeed(float speed);

private:
    float m_speed = 0.0f;
};
