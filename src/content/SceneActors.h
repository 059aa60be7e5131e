#pragma once

#include "componentsystem/ActorId.h"

#include <array>

// Ids of the game scene's actors. CreateSceneActors makes them in this order on
// an empty ActorManager, so they always get these ids.
namespace SceneActor
{
constexpr ActorId BACKGROUND = 1;
constexpr ActorId COOK = 2;
constexpr ActorId PAUSE = 3;
constexpr ActorId GAME_OVER = 4;
constexpr ActorId RECIPE = 5;
constexpr ActorId DIFFICULTY = 6;
constexpr ActorId INSTRUCTION = 7;
constexpr ActorId SOUND = 8;
constexpr int COUNT = 8;
}

// One actor of the game scene, as it is built.
struct SceneActorPlan
{
    const char* name;
    const char* firstImage;  // nullptr: none yet
    const char* secondImage; // nullptr: none
    float x;
    float y;
    bool visible;
};

// The scene actors in id order: the actor with id n is entry n - 1.
const std::array<SceneActorPlan, SceneActor::COUNT>& SceneActorPlans();
