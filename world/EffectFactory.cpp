#include "world/EffectFactory.h"

#include <utility>

#include "world/GameEntity.h"
#include "world/QuietEffect.h"

namespace {

std::function<std::unique_ptr<Effect>()>& Maker() {
    static std::function<std::unique_ptr<Effect>()> maker;
    return maker;
}

}  // namespace

std::unique_ptr<Effect> CreateEffect() {
    if (Maker()) return Maker()();
    return std::make_unique<QuietEffect>();
}

std::unique_ptr<Effect> CreateEffect(const std::vector<std::string>& scripts) {
    std::unique_ptr<Effect> effect = CreateEffect();
    effect->LoadScripts(scripts);
    return effect;
}

// Until effects are entities of their own, the factory's "PARTICLE" is a plain entity.
std::unique_ptr<GameEntity> CreateEffectEntity() {
    return std::make_unique<GameEntity>("");
}

void SetEffectMaker(std::function<std::unique_ptr<Effect>()> maker) {
    Maker() = std::move(maker);
}
