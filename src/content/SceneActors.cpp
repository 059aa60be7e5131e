#include "content/SceneActors.h"

#include "content/ScreenLayout.h"

const std::array<SceneActorPlan, SceneActor::COUNT>& SceneActorPlans()
{
    static const std::array<SceneActorPlan, SceneActor::COUNT> plans = {{
        {"Background", "Assets/Sprites/Background.png", nullptr, 0, 0, true},
        {"Cook", "Assets/Sprites/Zuna-esquerda.png", "Assets/Sprites/Zuna-direita.png", 350, 465, true},
        {"Pause", "Assets/Sprites/Pause.png", nullptr, 0, 0, false},
        {"Game Over", "Assets/Sprites/FimDeJogo.png", nullptr, 0, 0, false},
        {"Recipe", nullptr, nullptr, 0, 0, false}, // gets the chosen recipe's card
        {"Dificulty", "Assets/Sprites/Dificuldade.png", nullptr, 0, 0, false},
        {"Instruction", "Assets/Sprites/Instrucoes.png", nullptr, 0, 0, false},
        {"Som", "Assets/Sprites/SoundOn.png", "Assets/Sprites/SoundOff.png", ScreenLayout::SOUND_ICON_X,
         ScreenLayout::SOUND_ICON_Y, true},
    }};
    return plans;
}
