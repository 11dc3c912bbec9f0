#pragma once
// Every effect that the world attaches is made here, so that one place chooses the effect
// class. The world knows effects only through world/Effect.h: the game installs its particle
// effects at start-up, and until then (and in the world's own tests) a quiet stand-in serves.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/Effect.h"

class GameEntity;

using EffectMaker = std::function<std::unique_ptr<Effect>()>;
using EffectEntityMaker = std::function<std::unique_ptr<GameEntity>()>;

std::unique_ptr<Effect> CreateEffect();
// A new effect loaded with the particle scripts `scripts`, in order.
std::unique_ptr<Effect> CreateEffect(const std::vector<std::string>& scripts);

// The entity that the entity factory makes for "PARTICLE".
std::unique_ptr<GameEntity> CreateEffectEntity();

// Tests put in a maker of their own; an empty one restores the game's.
void SetEffectMaker(EffectMaker maker);

// The game's effects and the entity "PARTICLE" makes; empty makers put back the stand-ins.
void InstallGameEffects(EffectMaker maker, EffectEntityMaker entityMaker);
