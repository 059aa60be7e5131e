#include "TitleMenu.h"

#include "input/FullscreenKeys.h"
#include "input/Gamepad.h"
#include "screen/WindowFit.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/ScreenLayout.h"
#include "platform/Platform.h"

namespace
{
constexpr ActorId MENU_SOUND_ICON = 2;
const char* const MENU_PICTURE = "Assets/Sprites/Menu.png";
const char* const SOUND_ON_PICTURE = "Assets/Sprites/SoundOn.png";
const char* const SOUND_OFF_PICTURE = "Assets/Sprites/SoundOff.png";
}

std::vector<std::string> TitleMenu::PicturePaths()
{
    return {MENU_PICTURE, SOUND_ON_PICTURE, SOUND_OFF_PICTURE};
}

void TitleMenu::Setup()
{
    m_actorManager.CreateActorID("backgroud");
    std::shared_ptr<Actor> background = m_actorManager.GetActor(1);
    auto* backgroundDrawable = new DrawableComponent();
    backgroundDrawable->Load(MENU_PICTURE);
    auto* backgroundTransform = new TransformableComponent();
    backgroundTransform->SetPosition(0, 0);
    backgroundTransform->SetVisible(true);
    background->AddComponent(backgroundDrawable);
    background->AddComponent(backgroundTransform);

    std::shared_ptr<Actor> sound = m_actorManager.CreateActor("Som");
    auto* soundDrawable = new DrawableComponent();
    soundDrawable->Load(SOUND_ON_PICTURE);
    soundDrawable->LoadSecond(SOUND_OFF_PICTURE);
    auto* soundTransform = new TransformableComponent();
    soundTransform->SetPosition(ScreenLayout::SOUND_ICON_X, ScreenLayout::SOUND_ICON_Y);
    soundTransform->SetVisible(true);
    sound->AddComponent(soundDrawable);
    sound->AddComponent(soundTransform);

    m_drawingSystem.Add(background);
    m_drawingSystem.Add(sound);
}

void TitleMenu::Release()
{
    m_drawingSystem.Clear();
    m_actorManager.Clear();
}

void TitleMenu::ShowSound(bool on)
{
    m_soundOn = on;
    auto* drawable = m_actorManager.GetActor(MENU_SOUND_ICON)->GetComponent<DrawableComponent>();
    m_soundOn ? drawable->ShowFirst() : drawable->ShowSecond();
}

int TitleMenu::Show(ALLEGRO_EVENT_QUEUE* queue)
{
    Draw();
    return WaitForChoice(queue);
}

void TitleMenu::Draw()
{
    BeginFrame(al_map_rgb(0, 0, 0));
    m_drawingSystem.DrawAll();
    al_flip_display();
}

int TitleMenu::WaitForChoice(ALLEGRO_EVENT_QUEUE* queue)
{
    for (;;)
    {
        ALLEGRO_EVENT event;
        al_wait_for_event(queue, &event);
        const int choice = ChoiceFor(event);
        if (choice != 0)
        {
            return choice;
        }
    }
}

int TitleMenu::ChoiceFor(const ALLEGRO_EVENT& event)
{
    switch (event.type)
    {
    case ALLEGRO_EVENT_DISPLAY_CLOSE:
        return MENU_QUIT;
    case ALLEGRO_EVENT_DISPLAY_RESIZE:
        // A new window size needs a new picture, and may be the window
        // manager's own switch to or from fullscreen, which the game follows.
        al_acknowledge_resize(event.display.source);
        return MENU_WINDOW_RESIZED;
    case ALLEGRO_EVENT_DISPLAY_EXPOSE:
    case ALLEGRO_EVENT_DISPLAY_SWITCH_IN:
        // Without a compositor a window that was hidden comes back blank.
        Draw();
        return 0;
    case ALLEGRO_EVENT_TIMER:
        // Nothing is drawn while the menu waits, so a window destroyed by
        // another program would go unnoticed: look once a tick.
        Platform::CheckDisplay(al_get_current_display());
        return 0;
    case ALLEGRO_EVENT_JOYSTICK_CONFIGURATION:
        al_reconfigure_joysticks(); // a gamepad came or went
        return 0;
    case ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN:
    {
        const char* name = event.joystick.id != nullptr
                               ? al_get_joystick_button_name(event.joystick.id, event.joystick.button)
                               : nullptr;
        return ChoiceForKey(Gamepad::KeyOfButton(event.joystick.button, name != nullptr ? name : ""));
    }
    case ALLEGRO_EVENT_KEY_CHAR:
        if (TogglesFullscreen(event))
        {
            return MENU_TOGGLE_FULLSCREEN;
        }
        // ESCAPE repeated by a held key was pressed on the screen before, and
        // M switches once per press; Enter with Alt belongs to the fullscreen switch.
        if ((event.keyboard.repeat &&
             (event.keyboard.keycode == ALLEGRO_KEY_ESCAPE || event.keyboard.keycode == ALLEGRO_KEY_M)) ||
            IsEnterWithAlt(event))
        {
            return 0;
        }
        return ChoiceForKey(event.keyboard.keycode);
    default:
        return 0;
    }
}

int TitleMenu::ChoiceForKey(int keycode)
{
    switch (keycode)
    {
    case ALLEGRO_KEY_I:
        return MENU_INSTRUCTIONS;
    case ALLEGRO_KEY_M:
        return MENU_TOGGLE_SOUND; // the game switches; the next Show shows it
    case ALLEGRO_KEY_ESCAPE:
        return MENU_QUIT;
    case ALLEGRO_KEY_ENTER:
        return MENU_PLAY;
    default:
        return 0;
    }
}
