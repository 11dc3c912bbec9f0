#include "world/EffectFactory.h"

#include <utility>

#include "world/GameEntity.h"
#include "world/QuietEffect.h"

namespace {

struct Makers {
    // What the game installed at start-up.
    EffectMaker game;
    EffectEntityMaker gameEntity;
    // A test's own, in front of the game's.
    EffectMaker test;
};

Makers& TheMakers() {
    static Makers makers;
    return makers;
}

}  // namespace

std::unique_ptr<Effect> CreateEffect() {
    const Makers& makers = TheMakers();
    if (makers.test) return makers.test();
    if (makers.game) return makers.game();
    return std::make_unique<QuietEffect>();
}

std::unique_ptr<Effect> CreateEffect(const std::vector<std::string>& scripts) {
    std::unique_ptr<Effect> effect = CreateEffect();
    effect->LoadScripts(scripts);
    return effect;
}

// Until the game installs its effects, the factory's "PARTICLE" is a plain entity.
std::unique_ptr<GameEntity> CreateEffectEntity() {
    if (TheMakers().gameEntity) return TheMakers().gameEntity();
    return std::make_unique<GameEntity>("");
}

void SetEffectMaker(EffectMaker maker) {
    TheMakers().test = std::move(maker);
}

void InstallGameEffects(EffectMaker maker, EffectEntityMaker entityMaker) {
    TheMakers().game = std::move(maker);
    TheMakers().gameEntity = std::move(entityMaker);
}
