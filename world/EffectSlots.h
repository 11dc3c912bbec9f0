#pragma once
// The five effects an entity may carry, each with its running flag: the effects pass draws
// a slot's effect while the flag is set. The slots own their effects.
#include <memory>

#include "world/Effect.h"

class EffectSlots {
public:
    static constexpr int kSlots = 5;

    // Which slot holds which effect. A vehicle's (and a battery's):
    static constexpr int kExplosion = 0;    // the big explosion when it is destroyed
    static constexpr int kDustTrail = 2;    // dust behind a moving vehicle
    static constexpr int kDamageSmoke = 3;  // smoke at a quarter of the hit points or less
    // A standing effect of a level object or battery: the battery's bolt, the shower's water.
    static constexpr int kStanding = 4;
    // A weapon's:
    static constexpr int kImpact = 0;  // where it bursts
    static constexpr int kHit = 1;     // on what it hit
    static constexpr int kTrail = 2;   // behind it in flight

    EffectSlots() = default;
    EffectSlots(const EffectSlots&) = delete;
    EffectSlots& operator=(const EffectSlots&) = delete;

    // Null for an empty slot or a slot number outside 0 to 4.
    Effect* Get(int slot) const;
    // Replaces the slot's effect (the old one is deleted); the running flag stays.
    void Set(int slot, std::unique_ptr<Effect> effect);
    bool IsRunning(int slot) const;
    void SetRunning(int slot, bool running);

private:
    static bool Valid(int slot) { return slot >= 0 && slot < kSlots; }

    std::unique_ptr<Effect> effects[kSlots];
    bool running[kSlots] = {};
};
