#pragma once

#include "componentsystem/Actor.h"
#include "componentsystem/actormanager.h"

#include <memory>
#include <string>

// A new actor of the manager, named after the picture it shows at (x, y),
// visible or not: what the drawing system draws.
std::shared_ptr<Actor> MakeDrawnActor(ActorManager& manager, const std::string& picture, float x, float y,
                                      bool visible = true);
