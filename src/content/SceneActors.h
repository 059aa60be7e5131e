#pragma once

#include "componentsystem/ActorId.h"

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
}
