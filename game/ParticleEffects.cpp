#include "game/ParticleEffects.h"

#include <memory>

#include "particles/Particle.h"
#include "world/EffectFactory.h"

void InstallParticleEffects() {
    InstallGameEffects([] { return std::make_unique<Particle>(); },
                       [] { return std::make_unique<Particle>(); });
}
