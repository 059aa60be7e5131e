#include "Game.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "content/SceneActors.h"

#include <allegro5/allegro_audio.h>

#include <array>

namespace
{
struct SceneActorRow
{
    const char* name;
    const char* firstImage;  // nullptr: none yet
    const char* secondImage; // nullptr: none
    float x;
    float y;
    bool visible;
};

// In id order: the position of a row is the actor's id.
const std::array<SceneActorRow, 8> SCENE_ACTORS = {{
    {"Background", "Assets/Sprites/Background.png", nullptr, 0, 0, true},
    {"Cook", "Assets/Sprites/Zuna-esquerda.png", "Assets/Sprites/Zuna-direita.png", 350, 465, true},
    {"Pause", "Assets/Sprites/Pause.png", nullptr, 0, 0, false},
    {"Game Over", "Assets/Sprites/FimDeJogo.png", nullptr, 0, 0, false},
    {"Recipe", nullptr, nullptr, 0, 0, false}, // gets the chosen recipe's card
    {"Dificulty", "Assets/Sprites/Dificuldade.png", nullptr, 0, 0, false},
    {"Instruction", "Assets/Sprites/Instrucoes.png", nullptr, 0, 0, false},
    {"Som", "Assets/Sprites/SoundOn.png", "Assets/Sprites/SoundOff.png", 720, 20, true},
}};
}

void Game::CreateSceneActors()
{
    m_readyCount = 3;
    m_nextRelease = 1;
    // The player's music choice holds for the whole session, new games included.
    al_set_audio_stream_playing(m_music, m_soundOn);
    m_minutes = 1;
    m_seconds = 0;

    std::array<std::shared_ptr<Actor>, SCENE_ACTORS.size()> actors;
    for (std::size_t i = 0; i < SCENE_ACTORS.size(); ++i)
    {
        const SceneActorRow& row = SCENE_ACTORS[i];
        actors[i] = m_actorManager.CreateActor(row.name);

        auto* look = new DrawableComponent();
        if (row.firstImage != nullptr)
        {
            look->Load(row.firstImage);
        }
        if (row.secondImage != nullptr)
        {
            look->LoadSecond(row.secondImage);
        }
        auto* place = new TransformableComponent();
        place->SetPosition(row.x, row.y);
        place->SetVisible(row.visible);

        actors[i]->AddComponent(look);
        actors[i]->AddComponent(place);
    }
    if (!m_soundOn)
    {
        actors[SceneActor::SOUND - 1]->GetComponent<DrawableComponent>()->ShowSecond();
    }
    for (const auto& actor : actors)
    {
        m_drawingSystem.Add(actor);
    }
}

void Game::SetActorVisible(ActorId id, bool visible)
{
    std::shared_ptr<Actor> actor = m_actorManager.GetActor(id);
    if (actor != nullptr)
    {
        actor->GetComponent<TransformableComponent>()->SetVisible(visible);
    }
}
