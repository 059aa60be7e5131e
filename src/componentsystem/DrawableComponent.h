#pragma once

#include "componentsystem/Component.h"
#include "pictures/PictureStore.h"

#include <allegro5/allegro.h>

#include <string>

// An actor's look: a first image and an optional second one, of which one is
// shown (drawn and measured). The images come from the shared picture store:
// a file already shown elsewhere is not read again, and the component lets go
// of its images when they are replaced or it is destroyed.
class DrawableComponent : public Component
{
public:
    static constexpr const char* NAME = "DrawableComponent";

    DrawableComponent() = default;
    ~DrawableComponent() override = default;

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
    // The shown image, or nullptr. The component keeps holding it.
    ALLEGRO_BITMAP* GetBitmap() const;
    // Size of the shown image; 0 when nothing is shown.
    int GetWidth() const;
    int GetHeight() const;

private:
    enum class Shown
    {
        NOTHING,
        FIRST,
        SECOND
    };

    Picture m_first;
    Picture m_second;
    Shown m_shown = Shown::NOTHING;
};
