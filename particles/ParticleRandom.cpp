#include "particles/ParticleRandom.h"

#include "app/Clock.h"

namespace {

ParticleRandom gameRandom;
ParticleRandom* current = &gameRandom;

}  // namespace

int ParticleRandom::Next() {
    if (!seeded) {
        // Once, on first use: after start-up, so the clock has moved.
        engine.seed(timeGetTime() + 1u);
        seeded = true;
    }
    return static_cast<int>(engine() % 32768u);
}

ParticleRandom& GetParticleRandom() {
    return *current;
}

void SetParticleRandom(ParticleRandom* random) {
    current = random ? random : &gameRandom;
}
