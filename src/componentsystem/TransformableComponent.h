#pragma once

#include "componentsystem/Component.h"

// Where an actor is (top-left corner of its image, display pixels, y downward)
// and whether it is shown. Every creator sets position and visibility at once.
class TransformableComponent : public Component
{
public:
    static constexpr const char* NAME = "TransformableComponent";

    ~TransformableComponent() override = default;
    std::string GetName() const override;

    const float& GetX() const;
    const float& GetY() const;
    void SetX(const float& x);
    void SetY(const float& y);
    void SetPosition(const float& x, const float& y);

    // A spare value that nothing in the game reads.
    float GetExtra() const;
    void SetExtra(float extra);

    const bool& IsVisible() const;
    void SetVisible(const bool& visible);

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_extra = 0.0f;
    bool m_visible = false;
};
