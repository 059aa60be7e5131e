#include "TitleMenu.h"

#include "GameState.h"

#include "input/InputRule.h"
#include "screen/WindowEvents.h"
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
    switch (AnswerWindowEvent(event, al_get_current_display(), true))
    {
    case WindowNews::Closed:
        return MENU_QUIT;
    case WindowNews::Resized:
        // A new window size needs a new picture, and may be the window
        // manager's own switch to or from fullscreen, which the game follows.
        return MENU_WINDOW_RESIZED;
    case WindowNews::Uncovered:
        Draw();
        return 0;
    case WindowNews::Taken:
        return 0;
    case WindowNews::None:
        break;
    }
    return ChoiceOf(ActionFor(TITLE_MENU, InputOf(event)));
}

int TitleMenu::ChoiceOf(Action action)
{
    switch (action)
    {
    case Action::Instructions:
        return MENU_INSTRUCTIONS;
    case Action::Music:
        return MENU_TOGGLE_SOUND; // the game switches; the next Show shows it
    case Action::Quit:
        return MENU_QUIT;
    case Action::Play:
        return MENU_PLAY;
    case Action::Fullscreen:
        return MENU_TOGGLE_FULLSCREEN;
    default:
        return 0;
    }
}
