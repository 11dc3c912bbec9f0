#pragma once
// The particles' own random numbers: one generator, seeded once from the clock, so that
// loading an effect neither repeats the offsets of another loaded in the same millisecond
// nor disturbs the sequence that the computer drivers draw from. Tests put in their own.
#include <random>

class ParticleRandom {
public:
    virtual ~ParticleRandom() = default;
    // A number from 0 to 32767, like the C library's rand().
    virtual int Next();

private:
    bool seeded = false;
    std::minstd_rand engine;
};

ParticleRandom& GetParticleRandom();
// Null puts back the game's generator.
void SetParticleRandom(ParticleRandom* random);
