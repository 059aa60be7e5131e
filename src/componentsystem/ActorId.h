#pragma once

#include <cstdint>

// Handed out 1, 2, 3, ... by an ActorManager; 0 never names an actor.
using ActorId = std::uint32_t;
