#pragma once

#include "componentsystem/Component.h"

#include <allegro5/allegro.h>

#include <string>

// An actor's look: a first image and an optional second one, of which one is
// shown (drawn and measured). Each Load/LoadSecond reads its own copy of the
// file, which this component owns and releases when replaced or destroyed.
class DrawableComponent : public Component
{
public:
    static constexpr const char* NAME = "DrawableComponent";

    DrawableComponent() = default;
    ~DrawableComponent() override;

    DrawableComponent(const DrawableComponent&) = delete;
    DrawableComponent& operator=(const DrawableComponent&) = delete;

    std::string GetName() const override;

    // Loads the first image and shows it; a failed load leaves nothing shown and
    // IsLoaded false.
    void Load(const std::string& path);
    // Loads the second image; the shown image stays as it is.
    void LoadSecond(const std::string& path);

    // Switch the shown image; nothing happens when that image is missing.
    void ShowFirst();
    void ShowSecond();

    // True when the last Load succeeded.
    bool IsLoaded() const;
    // The shown image, or nullptr. The component keeps ownership.
    ALLEGRO_BITMAP* GetBitmap() const;
    // Size of the shown image; 0 when nothing is shown.
    int GetWidth() const;
    int GetHeight() const;

private:
    ALLEGRO_BITMAP* m_bitmap = nullptr;
    bool m_loaded = false;
    ALLEGRO_BITMAP* m_firstBitmap = nullptr;
    std::string m_firstPath;
    ALLEGRO_BITMAP* m_secondBitmap = nullptr;
    std::string m_secondPath;
};
