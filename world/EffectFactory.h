#pragma once
// Every effect that the world attaches is made here, so that one place chooses the effect
// class.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/Effect.h"

class GameEntity;

std::unique_ptr<Effect> CreateEffect();
// A new effect loaded with the particle scripts `scripts`, in order.
std::unique_ptr<Effect> CreateEffect(const std::vector<std::string>& scripts);

// The entity that the entity factory makes for "PARTICLE".
std::unique_ptr<GameEntity> CreateEffectEntity();

// Tests put in a maker of their own; an empty one restores the game's.
void SetEffectMaker(std::function<std::unique_ptr<Effect>()> maker);
